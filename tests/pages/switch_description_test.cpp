#include "pages/switch/switch_description.h"

#include <gtest/gtest.h>

#include "device/gbk_text.h"
#include "device/message_table.h"
#include "pages/save_reset_rig.h"

namespace velkor {
namespace {

using testing::MaintenanceRig;

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(FitSwitchDescriptionTest, KeepsAtMostTwentyGbkBytesOfWholeCharacters) {
  EXPECT_EQ(FitSwitchDescription(Repeat("a", 20)).size(), 20u);
  EXPECT_EQ(FitSwitchDescription(Repeat("a", 25)).size(), 20u);
  EXPECT_EQ(GbkToUtf8(FitSwitchDescription(Repeat("机", 11))), Repeat("机", 10));
  // A two-byte character that would end at byte 21 is left out whole.
  EXPECT_EQ(GbkToUtf8(FitSwitchDescription(Repeat("a", 19) + "机")), Repeat("a", 19));
  EXPECT_TRUE(FitSwitchDescription("").empty());
}

TEST(FitSwitchDescriptionTest, DropsWhatTheFieldCannotHold) {
  EXPECT_EQ(GbkToUtf8(FitSwitchDescription("机\xF0\x9F\x98\x80房")), "机房") << "no GBK form";
  EXPECT_EQ(FitSwitchDescription(std::string("ab\0cd", 5)).size(), 4u) << "a zero would end the text";
  EXPECT_EQ(FitSwitchDescription("\xE6\x9C").size(), 0u) << "a cut-off sequence";
}

class SwitchDescriptionTest : public ::testing::Test {
 protected:
  SwitchDescriptionTest() { EXPECT_TRUE(rig.connected); }

  std::vector<uint8_t> Field(size_t size) {
    std::vector<uint8_t> bytes;
    for (uint16_t a = 0x200; a < 0x200 + size; ++a) bytes.push_back(rig.Switch().Eeprom().Byte(a));
    return bytes;
  }

  MaintenanceRig rig{2};
  testing::FakeDescriptionView view;
  SwitchDescription page{rig.connection, rig.transport.blocks, rig.prompter, rig.busy, view};
};

TEST_F(SwitchDescriptionTest, StoresTheTextPaddedWithZerosAndReportsSuccess) {
  for (uint16_t a = 0x200; a < 0x22A; ++a) rig.Switch().Eeprom().SetByte(a, 0xFF);
  view.text = Repeat("机", 10);
  EXPECT_EQ(page.Button7Click(), Outcome::kDone);
  std::vector<uint8_t> expected = *Utf8ToGbk(view.text);
  expected.resize(40, 0);
  EXPECT_EQ(Field(40), expected);
  EXPECT_EQ(rig.Switch().Eeprom().Byte(0x228), 0xFF) << "the last two bytes of the area are not written";
  ASSERT_EQ(rig.prompter.shown.size(), 1u);
  EXPECT_EQ(rig.prompter.shown[0].text, "修改成功");
  EXPECT_EQ(rig.prompter.shown[0].kind, MessageKind::kInformation);

  view.text.clear();
  page.Button7Click();
  EXPECT_EQ(Field(40), std::vector<uint8_t>(40, 0));
}

TEST_F(SwitchDescriptionTest, ShowsTheDescriptionReadFromTheSwitch) {
  view.text = "lab 3";
  page.Button7Click();
  view.text.clear();
  page.SwitchInfoConfigShow();
  EXPECT_EQ(view.text, "lab 3");

  rig.connection.Disconnect(false);
  view.text.clear();
  page.SwitchInfoConfigShow();
  EXPECT_EQ(view.text, "");
}

TEST_F(SwitchDescriptionTest, TextThatDoesNotReadBackIsNoSuccessButNoLostConnection) {
  rig.Switch().Eeprom().StickByte(0x203);
  view.text = "rack 12";
  EXPECT_EQ(page.Button7Click(), Outcome::kNotVerified);
  ASSERT_EQ(rig.prompter.shown.size(), 1u);
  EXPECT_EQ(rig.prompter.shown[0].text, Message(MessageId::kSwitchInfoReadError));
  EXPECT_EQ(rig.prompter.shown[0].kind, MessageKind::kError);
  EXPECT_TRUE(rig.connection.State().connected) << "the switch still answers";
}

TEST_F(SwitchDescriptionTest, LostSwitchIsReportedOnceAndDisconnects) {
  rig.Agent().StopAnswering();
  view.text = "rack 12";
  EXPECT_EQ(page.Button7Click(), Outcome::kSwitchLost);
  ASSERT_EQ(rig.prompter.shown.size(), 1u);
  EXPECT_EQ(rig.prompter.shown[0].text, Message(MessageId::kConnectionLost));
  EXPECT_FALSE(rig.connection.State().connected);
}

}  // namespace
}  // namespace velkor
