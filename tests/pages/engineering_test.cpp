// The engineering pages' logic against an emulated switch, on virtual time.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "pages/engineering/c_number.h"
#include "pages/engineering/diagnostics.h"
#include "pages/engineering/eeprom_writer.h"
#include "pages/engineering/general_info.h"
#include "pages/engineering/mac_address.h"
#include "pages/engineering/vlan_info.h"
#include "support/emulated_connection.h"
#include "support/test_file.h"

namespace velkor {
namespace {

constexpr uint8_t kF16A = 1;  // 8324 family, 16 FE ports
constexpr uint8_t kF8A = 2;   // 8324 family, 8 FE ports
constexpr uint8_t kG17A = 4;  // 8326 family

struct EngineeringRig : testing::EmulatedConnection<> {
  explicit EngineeringRig(uint8_t modelCode) : EmulatedConnection(modelCode) { Agent().ClearHistory(); }
  SwitchIdentification& Id() { return transport.discovery.Switch(0)->identification; }
  uint8_t Byte(uint16_t addr) { return Switch().Eeprom().Byte(addr); }
  std::string LastShown() const { return prompter.shown.empty() ? "" : prompter.shown.back().text; }

  EngineeringContext context{transport, identifier, prompter, progress, busy};
};

TEST(CNumber, ReadsAsStrtolDoes) {
  EXPECT_EQ(ParseCNumber("1543", 0), 1543u);
  EXPECT_EQ(ParseCNumber("0x22", 0), 0x22u);
  EXPECT_EQ(ParseCNumber("0X1f", 0), 0x1Fu);
  EXPECT_EQ(ParseCNumber("017", 0), 15u) << "a leading 0 is octal";
  EXPECT_EQ(ParseCNumber("  12abc", 0), 12u) << "white space skipped, stops at the first misfit";
  EXPECT_EQ(ParseCNumber("", 0), 0u);
  EXPECT_EQ(ParseCNumber("zz", 0), 0u);
  EXPECT_EQ(ParseCNumber("-1", 0), 0xFFFFFFFFu);
  const char* fields[] = {"0A", "1b", "ff", "0", "", "12x"};
  const uint32_t octets[] = {0x0A, 0x1B, 0xFF, 0x00, 0x00, 0x12};
  for (size_t k = 0; k < 6; ++k) EXPECT_EQ(ParseCNumber(fields[k], 16), octets[k]) << fields[k];
}

TEST(GeneralInfo, OverwritesOnlyFieldsWhoseValueHasAText) {
  EngineeringRig rig(kF8A);
  GeneralInfo info(rig.identifier);
  rig.Id().chipModel = 10;
  rig.Id().gigaPhy1Status = 0;
  rig.Id().gigaPhy2Status = 0;
  info.GeneralInfoPageShow();
  EXPECT_EQ(info.Texts(),
            (GeneralInfoTexts{"8324", "16FE+1G+1MII", "Type 4", "No", "Yes", "Not Existed", "Not Existed"}));
  rig.Id().chipFamily = kChipFamily8326;
  rig.Id().panelType = 7;
  rig.Id().gigaPhy2Status = 9;
  info.GeneralInfoPageShow();
  EXPECT_EQ(info.Texts()[0], "8326");
  EXPECT_EQ(info.Texts()[1], "16FE+1G+1MII") << "model 10 has no 8326 text: the field stays";
  EXPECT_EQ(info.Texts()[2], "Type 4");
  EXPECT_EQ(info.Texts()[6], "Not Existed");
}

TEST(VlanInfo, ListsIndexesAndMembersInFixedColumns) {
  EngineeringRig rig(kF16A);
  const PortLayout& layout = rig.identifier.Layout();
  // Front ports 1 and 12 as the chip numbers them.
  const uint32_t members = 1u << layout.FePhyId(0) | 1u << layout.FePhyId(11);
  rig.Switch().Poke(0x031D + 3 * 5, members);
  rig.Switch().Poke(0x031F + 3 * 5, 0x1064);
  rig.Switch().Poke(0x030C, 0x0300);
  VlanInfo info(rig.transport.engine, rig.identifier);
  info.TabSheet4Show();

  ASSERT_EQ(info.Ports().size(), 16u);
  const int p0 = layout.FePhyId(0);
  EXPECT_EQ(info.Ports()[0].vlan, p0 % 2 ? 3 : 0) << "the index as stored, 0 included";
  ASSERT_EQ(info.Entries().size(), 32u);
  EXPECT_EQ(info.Entries()[5].vid, 0x064);
  EXPECT_EQ(info.Entries()[5].members,
            "1 " + std::string(8 * 3, ' ') + std::string(2 * 5, ' ') + "12 " + std::string(4 * 5, ' '));
}

TEST(VlanInfo, AnUnansweredRegisterShowsNoValue) {
  EngineeringRig rig(kF16A);
  rig.LoseReadsOf(0x031F);
  VlanInfo info(rig.transport.engine, rig.identifier);
  info.TabSheet4Show();
  EXPECT_FALSE(info.Entries()[0].vid.has_value());
  EXPECT_TRUE(info.Entries()[0].members.has_value());
  EXPECT_TRUE(info.Entries()[1].vid.has_value());
}

TEST(Diagnostics, ShowsNumbersInTheirFormatsAndALostReplyAsNone) {
  EngineeringRig rig(kF16A);
  Diagnostics page(rig.transport.access, rig.identifier);
  EXPECT_TRUE(page.EepromGroupShown());
  rig.Switch().Poke(0x0607, 0x001C);
  DiagnosticsFields f{.macAddress = "1543"};
  page.Button11Click(f);
  EXPECT_EQ(f.macAddress, "0x0607");
  EXPECT_EQ(f.macValue, "0x0000001C");

  f.eepromAddress = "0x22";
  f.eepromValue = "255";
  page.Button16Click(f);
  EXPECT_EQ(rig.Byte(0x022), 0xFF);
  EXPECT_EQ(f.eepromAddress, "0x0022");
  EXPECT_EQ(f.eepromValue, "0xFF");

  f.macAddress = "0x0400";
  f.macValue = "";
  page.Button12Click(f);
  EXPECT_EQ(rig.WritesOf(0x0400), std::vector<uint32_t>{0}) << "an empty value writes 0";

  rig.LoseReadsOf(0x0607);
  f.macAddress = "0x607";
  page.Button11Click(f);
  EXPECT_EQ(f.macValue, kNoAnswerText);
  rig.LoseReadsOf(0x0218);
  page.Button15Click(f);
  EXPECT_EQ(f.eepromValue, kNoAnswerText);
}

TEST(Diagnostics, OffersNoEepromAccessOnAn8326) {
  EngineeringRig rig(kG17A);
  EXPECT_FALSE(Diagnostics(rig.transport.access, rig.identifier).EepromGroupShown());
}

class EepromWriterTest : public ::testing::Test {
 protected:
  void TearDown() override { std::filesystem::remove(path); }
  Outcome Burn(const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
    return writer.Button18Click(path);
  }

  EngineeringRig rig{kF8A};
  EepromWriter writer{rig.context};
  std::string path = testing::TestFile("image.bin");
};

TEST_F(EepromWriterTest, BurnsEveryByteWithProgress) {
  std::string image(0x20, '\0');
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<char>(0xA0 + i);
  EXPECT_EQ(Burn(image), Outcome::kDone);
  EXPECT_EQ(rig.LastShown(), "EEPROM Writes Succeed");
  EXPECT_EQ(rig.Byte(0x1F), 0xBF);
  EXPECT_EQ(rig.progress.maximum, 2 * 0x20) << "a write pass and a read-back";
  EXPECT_EQ(rig.progress.steps, 2 * 0x20);

  rig.Agent().ClearHistory();
  EXPECT_EQ(Burn(""), Outcome::kDone) << "an empty image writes nothing";
  EXPECT_TRUE(rig.Agent().Writes().empty());
}

TEST_F(EepromWriterTest, NamesTheFirstByteThatDoesNotReadBack) {
  rig.Switch().Eeprom().StickByte(0x12);
  EXPECT_EQ(Burn(std::string(0x20, '\x5A')), Outcome::kNotVerified);
  EXPECT_EQ(rig.LastShown(), "EEPROM Writes Failed, Byte: 18");

  rig.LoseReadsOf(0x0218);
  EXPECT_EQ(Burn(std::string(4, '\0')), Outcome::kNoAnswer) << "a lost read-back is no success";
  EXPECT_EQ(rig.LastShown(), "EEPROM Writes Failed, Byte: 0");
}

TEST_F(EepromWriterTest, RefusesMissingAndOversizeFilesBeforeWriting) {
  EXPECT_EQ(writer.Button18Click(path + ".missing"), Outcome::kRefused);
  EXPECT_EQ(rig.LastShown(), "File Does Not Exist");
  EXPECT_EQ(Burn(std::string(2049, '\x5A')), Outcome::kRefused);
  EXPECT_EQ(rig.LastShown(), "Image File Larger Than The EEPROM (2048 Bytes)");
  EXPECT_TRUE(rig.Agent().Writes().empty());
}

TEST(MacAddress, SetsTheFieldsAsHexAndReadsThemBack) {
  EngineeringRig rig(kF8A);
  MacAddressSetting page(rig.context);
  EXPECT_EQ(page.TabSheet10Show(), (MacFields{"02", "10", "00", "00", "00", "01"}));
  EXPECT_EQ(page.Button22Click({"0A", "1b", "ff", "0", "", "12x"}), Outcome::kDone);
  const uint8_t octets[] = {0x0A, 0x1B, 0xFF, 0, 0, 0x12};
  for (size_t k = 0; k < 6; ++k) EXPECT_EQ(rig.Byte(static_cast<uint16_t>(0x012 + k)), octets[k]);
  EXPECT_TRUE(rig.prompter.shown.empty()) << "a verified set says nothing";

  rig.Switch().Eeprom().StickByte(0x014);
  EXPECT_EQ(page.Set({1, 2, 3, 4, 5, 6}), Outcome::kNotVerified);
  EXPECT_EQ(rig.LastShown(), "MAC Address Reads Back As 01-02-FF-04-05-06");
}

TEST(MacAddress, NeverWritesALostByteBackAsZero) {
  EngineeringRig rig(kF8A);
  MacAddressSetting page(rig.context);
  rig.LoseReadsOf(0x0218);
  const auto fields = page.TabSheet10Show();
  ASSERT_TRUE(fields);
  EXPECT_EQ((*fields)[0], kUnreadOctet);
  rig.Agent().ClearHistory();
  EXPECT_EQ(page.Button22Click(*fields), Outcome::kRefused);
  EXPECT_TRUE(rig.Agent().Writes().empty());
}

TEST(MacAddress, IsHiddenAndRefusedOffThe8324Family) {
  EngineeringRig rig(kG17A);
  MacAddressSetting page(rig.context);
  EXPECT_FALSE(page.TabSheet10Show());
  EXPECT_EQ(page.Set({1, 2, 3, 4, 5, 6}), Outcome::kRefused);
  EXPECT_TRUE(rig.Agent().Writes().empty());
}

}  // namespace
}  // namespace velkor
