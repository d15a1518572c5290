// velkorctl's ports, port-set and port-describe against the emulator, on virtual time.

#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "cli/port_page.h"
#include "device/message_table.h"
#include "support/emulated_ctl.h"

namespace velkor::cli {
namespace {

class PortSettingsCliTest : public testing::EmulatedCtlTest {};

TEST(PortSettingValues, PageTextsAndShortFormsNameTheSameItem) {
  for (const char* rx : {"2 Mbps", "2mbps", "2M", " 2 m "})
    EXPECT_STREQ(ParseSettingValue(PortColumn::kRx, rx)->handler, "RxBandwidth2MbpsClick") << rx;
  EXPECT_STREQ(ParseSettingValue(PortColumn::kTx, "none")->handler, "TxBandwidthNoLimitClick");
  EXPECT_STREQ(ParseSettingValue(PortColumn::kSpeed, "100full")->handler, "AdvertisedSpeed100MFullClick");
  EXPECT_STREQ(ParseSettingValue(PortColumn::kSpeed, "1000full")->handler, "AdvertisedSpeed1000MFullClick");
  EXPECT_STREQ(ParseSettingValue(PortColumn::kFlow, "禁止")->handler, "PauseFlowControlDisabledClick");
  EXPECT_STREQ(ParseSettingValue(PortColumn::kSwitch, "off")->handler, "EnabledNoClick");
  for (const char* bad : {"3m", "fast", "", "100"})
    EXPECT_FALSE(ParseSettingValue(PortColumn::kSpeed, bad)) << bad;
}

TEST_F(PortSettingsCliTest, ListsEveryPortWithThePagesTexts) {
  Start(1);
  Switch().Poke(0x0307, 0x02);
  ASSERT_EQ(Run({"ports", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, R"("port": "1", "chip_port": 1, "state": "on", "rx": "none", "tx": "none", )"
                        R"("speed": "100M Full", "flow": "enabled", "trunk": "Trunk 1", "description": "")"))
      << out.str();
  EXPECT_TRUE(Says(out, R"("port": "16")"));
  ASSERT_EQ(Run({"ports"}), kExitOk);
  EXPECT_TRUE(Says(out, "禁止"));
}

TEST_F(PortSettingsCliTest, ChangesAreMadeAndReadBack) {
  Start(1);
  ASSERT_EQ(Run({"port-set", "3-4", "--rx", "2m", "--tx", "512 Kbps", "--speed", "10full", "--flow", "off"}),
            kExitOk)
      << err.str();
  // Panel ports 3 and 4 are chip ports 3 and 2: both in 0x020B and 0x060B.
  EXPECT_EQ(Switch().Peek(0x020B), 0x3535u);
  EXPECT_EQ(Switch().Peek(0x060B) & 0x7F7F, 0x0303u);
  EXPECT_TRUE(Says(out, "禁止"));

  EXPECT_EQ(Run({"port-set", "5", "--state", "off"}), kExitOk);
  EXPECT_EQ(Switch().Peek(0x0608) & 0x0020, 0x0020u);
}

TEST_F(PortSettingsCliTest, RefusesWhatThePageWouldNotOffer) {
  Start(4);
  EXPECT_EQ(Run({"port-set", "1", "--speed", "1000full"}), kExitUsage);
  EXPECT_TRUE(Says(err, "not a gigabit port"));
  EXPECT_EQ(Run({"port-set", "1", "--speed", "100half", "--flow", "on"}), kExitUsage);
  EXPECT_EQ(Run({"port-set", "1", "--speed", "fast"}), kExitUsage);
  EXPECT_EQ(Run({"port-set", "1"}), kExitUsage);
  EXPECT_EQ(Run({"port-set", "G2", "--speed", "1000 full"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, "1000M Full"));

  Switch().Poke(0x0307, 0x04);  // group 2: chip ports 4-7
  const uint32_t before = Switch().Peek(0x020A);
  EXPECT_EQ(Run({"port-set", "1-8", "--rx", "1m"}), kExitRefused);
  EXPECT_TRUE(Says(err, "在使用Trunk期间您不能改变这些端口的设置"));
  EXPECT_EQ(Switch().Peek(0x020A), before) << "nothing is written for any port";
}

TEST_F(PortSettingsCliTest, TheManagementPortIsSwitchedOffOnlyByForce) {
  Start(1);
  ASSERT_EQ(Switch().LocalPort(), 0) << "panel port 2";
  EXPECT_EQ(Run({"port-set", "2,3", "--state", "off"}), kExitRefused);
  EXPECT_TRUE(Says(err, std::string(Message(MessageId::kManagementPortCannotClose)))) << err.str();
  EXPECT_EQ(Switch().Peek(0x0608), 0u) << "nothing is written for any port";
  EXPECT_EQ(Run({"port-set", "2", "--state", "off", "--force"}), kExitSwitchLost)
      << "cut off from the switch, as the user chose";
  EXPECT_EQ(Switch().Peek(0x0608), 0x0001u);
}

TEST_F(PortSettingsCliTest, AValueTheSwitchDidNotGiveIsNoSuccess) {
  Start(1);
  ASSERT_EQ(Run({"ports"}), kExitOk);
  // The trunk enable register is the last read of the list: from then on nothing answers.
  const sim::ReplyFault lostTrunks{
      .target = sim::FaultTarget::kGet, .from = Agent().Frames().gets, .count = 1000};
  Agent().Faults().Add(lostTrunks);
  EXPECT_EQ(Run({"ports"}), kExitSwitchLost);
  EXPECT_TRUE(Says(out, "?"));
  Agent().Faults().Clear();
  Agent().Faults().Add(lostTrunks);
  EXPECT_EQ(Run({"port-set", "1", "--rx", "1m"}), kExitSwitchLost) << "never refused as a trunk member";
  EXPECT_FALSE(Says(err, "Trunk")) << err.str();
}

TEST_F(PortSettingsCliTest, ADescriptionThatDoesNotReadBackIsAFailure) {
  Start(1);
  Switch().Eeprom().StickByte(0x22A + 8 * 2 + 1);
  EXPECT_EQ(Run({"port-describe", "3", "desk"}), kExitFailure);
  EXPECT_TRUE(Says(err, "reads back d, not desk")) << err.str();
  EXPECT_TRUE(out.str().empty());
}

TEST_F(PortSettingsCliTest, DescriptionsTakeEightGbkBytes) {
  Start(1);
  ASSERT_EQ(Run({"port-describe", "1,2", "机房一楼"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, "机房一楼"));
  EXPECT_EQ(Switch().Eeprom().Byte(0x22A + 8), 0xBB);
  EXPECT_EQ(Run({"port-describe", "1", "机房一楼二"}), kExitUsage);
  EXPECT_EQ(Run({"port-describe", "1", "ABCDEFGHI"}), kExitUsage);
  EXPECT_EQ(Switch().Eeprom().Byte(0x22A), 0xBB) << "refused before anything was written";
  ASSERT_EQ(Run({"ports"}), kExitOk);
  EXPECT_TRUE(Says(out, "机房一楼"));
}

}  // namespace
}  // namespace velkor::cli
