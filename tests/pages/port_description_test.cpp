#include <gtest/gtest.h>

#include <deque>

#include "pages/ports/port_descriptions.h"
#include "port_settings_rig.h"

namespace velkor {
namespace {

using testing::PortSettingsRig;

constexpr int kF16A = 1, kG17A = 4;
constexpr uint16_t kSlot0 = 0x22A;

// Plays the user in the description dialog: each entry is a confirmed text, or none for cancel.
class ScriptedDescriptionPrompt : public PortDescriptionPrompt {
 public:
  std::deque<std::optional<std::string>> answers;
  std::optional<std::string> Ask() override {
    if (answers.empty()) return std::nullopt;
    auto next = answers.front();
    answers.pop_front();
    return next;
  }
};

class PortDescriptionTest : public ::testing::Test {
 protected:
  explicit PortDescriptionTest(int model = kF16A) : rig(model) {}

  std::vector<uint8_t> Slot(size_t i) {
    std::vector<uint8_t> bytes;
    for (size_t j = 0; j < 8; ++j) bytes.push_back(rig.Switch().Eeprom().Byte(kSlot0 + 8 * i + j));
    return bytes;
  }
  void Describe(std::vector<size_t> rows, std::optional<std::string> text) {
    rig.Select(std::move(rows));
    prompt.answers.push_back(std::move(text));
    descriptions.N1Click();
  }
  const std::string& Shown(size_t row) { return rig.view.Cell(row, PortColumn::kDescription); }

  PortSettingsRig rig;
  ScriptedDescriptionPrompt prompt;
  PortDescriptions descriptions{rig.page, prompt, rig.progress, rig.busy};
};

TEST_F(PortDescriptionTest, TextsAreStoredAsZeroPaddedGbkAndShownAsTyped) {
  Describe({0}, "abc");
  EXPECT_EQ(Slot(0), (std::vector<uint8_t>{0x61, 0x62, 0x63, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Shown(0), "abc");

  Describe({1}, "ABCDEFGH");
  EXPECT_EQ(Slot(1), (std::vector<uint8_t>{'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H'})) << "no terminator";
  EXPECT_EQ(Shown(1), "ABCDEFGH");

  Describe({2}, "机房一楼");
  EXPECT_EQ(Slot(2), (std::vector<uint8_t>{0xBB, 0xFA, 0xB7, 0xBF, 0xD2, 0xBB, 0xC2, 0xA5}));
  EXPECT_EQ(Shown(2), "机房一楼");

  Describe({2}, "");
  EXPECT_EQ(Slot(2), std::vector<uint8_t>(8, 0)) << "an empty text clears the description";
  EXPECT_EQ(Shown(2), "");
}

TEST_F(PortDescriptionTest, OneTextGoesToEverySelectedFastEthernetRow) {
  Describe({3, 5, 9}, "desk");
  for (size_t i : {3, 5, 9}) EXPECT_EQ(Shown(i), "desk") << i;
  EXPECT_EQ(Shown(4), "");
}

TEST_F(PortDescriptionTest, CancellingWritesNothingAndDoesNotRefill) {
  const int fills = rig.view.fills;
  Describe({0}, std::nullopt);
  EXPECT_EQ(rig.Sets(), 0u);
  EXPECT_EQ(rig.view.fills, fills);
}

TEST_F(PortDescriptionTest, TextsTheEepromCannotHoldAreNotWritten) {
  for (const char* text : {"ABCDEFGHI", "机房一楼二", "\xF0\x9F\x98\x80"}) {
    rig.Agent().ClearHistory();
    Describe({0}, text);
    EXPECT_EQ(rig.Sets(), 0u) << text;
  }
  EXPECT_EQ(Slot(0), std::vector<uint8_t>(8, 0));
}

TEST_F(PortDescriptionTest, AFailedWriteShowsWhatTheEepromHolds) {
  rig.Switch().Eeprom().StickByte(kSlot0 + 1);
  rig.Select({0, 1});
  prompt.answers.push_back("abc");
  EXPECT_EQ(descriptions.N1Click(), Outcome::kNotVerified);
  EXPECT_EQ(Shown(0), "a") << "the stuck byte reads back 0";
  EXPECT_EQ(Shown(1), "abc") << "a slot that fails does not keep the others from their text";
}

TEST_F(PortDescriptionTest, AnotherToolsChineseTextShowsAfterTheReread) {
  const uint8_t gbk[] = {0xBB, 0xFA, 0xB7, 0xBF, 0x31, 0xD2};  // "机房1" and a cut-off character
  for (size_t j = 0; j < sizeof gbk; ++j) rig.Switch().Eeprom().SetByte(kSlot0 + 8 * 15 + j, gbk[j]);
  descriptions.Button8Click();
  EXPECT_EQ(rig.progress.maximum, 128);
  EXPECT_EQ(rig.progress.steps, 128);
  EXPECT_EQ(Shown(15), "机房1");
  EXPECT_EQ(rig.Sets(), 16u * 8) << "one EEPROM command per byte, slots 0-15 only";
}

TEST_F(PortDescriptionTest, ARereadThatLosesTheSwitchKeepsTheCachedTexts) {
  Describe({0}, "abc");
  rig.Switch().Eeprom().SetByte(kSlot0, 'x');
  rig.Agent().StopAnswering();
  EXPECT_EQ(descriptions.Button8Click(), Outcome::kSwitchLost);
  EXPECT_LT(rig.progress.steps, 8);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(rig.transport.cache.ports[0].data())), "abc");
  EXPECT_FALSE(rig.connection.State().connected) << "the refill's connection check tells the user";
}

class GigabitDescriptionTest : public PortDescriptionTest {
 protected:
  GigabitDescriptionTest() : PortDescriptionTest(kG17A) {}
};

TEST_F(GigabitDescriptionTest, GigabitRowsHaveNoSlot) {
  const int fills = rig.view.fills;
  Describe({rig.view.Row("G1")}, "uplink");
  EXPECT_EQ(rig.Sets(), 0u);
  EXPECT_EQ(rig.view.fills, fills + 1);
}

}  // namespace
}  // namespace velkor
