#include "pages/vlan/vlan_settings.h"

#include <gtest/gtest.h>

#include <functional>

#include "device/message_table.h"
#include "vlan_rig.h"

namespace velkor {
namespace {

using testing::VlanRig;

constexpr uint8_t kF16A = 1, kG26A = 6;
constexpr uint16_t kControl = 0x030B;

bool Shows(const VlanRig& rig, MessageId id) {
  for (const std::string& t : rig.Texts())
    if (t == Message(id)) return true;
  return false;
}

TEST(VlanMode, LeavingDot1qWritesItsDefaultFirstThenWaitsThenThePortBasedDefault) {
  VlanRig rig(kF16A);
  rig.EnterMode(VlanMode::kDot1q);
  rig.Switch().Poke(kControl, 0x8000 | 0x0040 | 0x0011 | 0x0006);  // leaky on, a foreign bit 15
  rig.prompter.Script(Answer::kYes);
  const uint64_t start = rig.clock.NowUs();

  EXPECT_EQ(rig.settings.ApplyVlanMode(VlanMode::kPortBased), Outcome::kDone);

  EXPECT_EQ(rig.Texts(), std::vector<std::string>{std::string(Message(MessageId::kConfirmVlanModeChange))});
  EXPECT_EQ(rig.WritesOf(kControl), (std::vector<uint32_t>{0x8057, 0x8051, 0x8047, 0x8001}));
  EXPECT_GE(rig.clock.NowUs() - start, 1'000'000u);
  // The 802.1Q default's group 1 came first, then the port-based default replaced it.
  EXPECT_EQ(rig.WritesOf(0x031F).front() & 0xFFF, 1u);
  EXPECT_EQ(rig.Switch().Peek(0x031F) & 0xFFF, 0u);
  EXPECT_EQ(rig.Switch().Peek(0x031D + 3 * 14), 0xFFFFu) << "the last port's entry holds every port";
  EXPECT_EQ(rig.Switch().Peek(0x031D), 0x8000u) << "every entry holds the last port";
  EXPECT_EQ(rig.Switch().Peek(0x030C), 0x0001u) << "chip ports 0 and 1 on entries 1 and 0";
  EXPECT_TRUE(rig.WritesOf(0x031E).empty()) << "no high members on 16 ports";
  EXPECT_EQ(rig.Switch().Peek(0x0319), 0xFFFFu);
  EXPECT_EQ(rig.settings.Mode(), VlanMode::kPortBased);
}

TEST(VlanMode, OnlyLeavingAVlanModeAsksAndNoKeepsEverything) {
  VlanRig rig(kF16A);
  rig.EnterMode(VlanMode::kDisabled);
  EXPECT_EQ(rig.settings.ApplyVlanMode(VlanMode::kDot1q), Outcome::kDone);
  EXPECT_TRUE(rig.Texts().empty()) << "from Disabled nothing is asked";
  EXPECT_EQ(rig.Switch().Peek(0x031F), 1u);
  EXPECT_EQ(rig.Switch().Peek(0x031D), 0xFFFFu) << "group 1 holds every port";
  EXPECT_EQ(rig.Switch().Peek(0x030C), 0u);

  rig.Agent().ClearHistory();
  rig.prompter.Script(Answer::kNo);
  EXPECT_EQ(rig.settings.ApplyVlanMode(VlanMode::kDisabled), Outcome::kNotConfirmed);
  EXPECT_TRUE(rig.Agent().Writes().empty());
  EXPECT_EQ(rig.settings.Mode(), VlanMode::kDot1q);
}

TEST(VlanMode, TheQxG26ALeavesItsInsertBitsAlone) {
  VlanRig rig(kG26A);
  rig.EnterMode(VlanMode::kDisabled);
  rig.Switch().Poke(0x037D, 0x00F0);
  EXPECT_EQ(rig.settings.ApplyVlanMode(VlanMode::kDot1q), Outcome::kDone);
  EXPECT_TRUE(rig.WritesOf(0x037D).empty());
  EXPECT_EQ(rig.WritesOf(0x031C), std::vector<uint32_t>{0x00FF});
}

TEST(VlanMode, ALostControlReadWritesNothingAndShowsTheModeAsUnknown) {
  VlanRig rig(kF16A);
  rig.LoseReadsOf(kControl);
  EXPECT_EQ(rig.settings.ApplyVlanMode(VlanMode::kDot1q), Outcome::kNoAnswer);
  EXPECT_TRUE(rig.Agent().Writes().empty());
  EXPECT_TRUE(Shows(rig, MessageId::kSwitchInfoReadError));
  EXPECT_EQ(rig.settings.Fill(), Outcome::kNoAnswer);
  EXPECT_EQ(rig.settings.State().mode, VlanMode::kUndefined);
  EXPECT_FALSE(rig.settings.State().modeRead);

  // Once it answers again, the switch's own mode decides whether to ask.
  rig.Agent().Faults().Clear();
  EXPECT_EQ(rig.settings.ApplyVlanMode(VlanMode::kDot1q), Outcome::kNotConfirmed);
  EXPECT_EQ(rig.Texts().back(), Message(MessageId::kConfirmVlanModeChange));
}

TEST(VlanMode, ALostTableReadWritesNoTableFromIt) {
  VlanRig rig(kF16A);
  rig.EnterMode(VlanMode::kDisabled);
  rig.LoseReadsOf(0x031D + 3 * 5);
  EXPECT_EQ(rig.settings.ApplyVlanMode(VlanMode::kDot1q), Outcome::kNoAnswer);
  for (const auto& w : rig.Agent().Writes())
    EXPECT_FALSE((w.reg >= 0x030C && w.reg <= 0x0318) || (w.reg >= 0x031D && w.reg <= 0x037E)) << w.reg;
}

TEST(VlanOptions, DroppingUntaggedFramesTurnsInsertRulesIntoKeep) {
  VlanRig rig(kF16A);
  rig.EnterMode(VlanMode::kDot1q);
  ASSERT_EQ(rig.settings.SetTagRules({2}, TagRule::kInsert), Outcome::kDone);
  rig.prompter.shown.clear();

  EXPECT_EQ(rig.settings.SetDropUntagged(true), Outcome::kDone);
  EXPECT_TRUE(Shows(rig, MessageId::kInsertTagMeaningless));
  EXPECT_EQ(rig.settings.State().tagRows[2].rule, Message(MessageId::kLeaveFrameUnchanged));
  EXPECT_EQ(rig.Switch().Peek(0x037D) & 0x4, 0u);
  EXPECT_FALSE(rig.settings.TagMenuPopup(true).insert);

  rig.prompter.shown.clear();
  EXPECT_EQ(rig.settings.SetDropUntagged(false), Outcome::kDone);
  EXPECT_EQ(rig.settings.SetDropUntagged(true), Outcome::kDone);
  EXPECT_TRUE(rig.Texts().empty()) << "nothing converted, nothing said";
}

TEST(VlanOptions, ALostTagReadLeavesDropUntaggedUnwritten) {
  VlanRig rig(kF16A);
  rig.EnterMode(VlanMode::kDot1q);
  rig.LoseReadsOf(0x037E);
  EXPECT_EQ(rig.settings.SetDropUntagged(true), Outcome::kNoAnswer);
  EXPECT_TRUE(rig.Agent().Writes().empty());
}

TEST(VlanOptions, EveryOptionWritesNothingFromALostRead) {
  struct Case {
    uint16_t lost;
    std::function<Outcome(VlanSettings&)> change;
  };
  const Case cases[] = {
      {kControl, [](VlanSettings& s) { return s.SetLeaky(LeakyOption::kUnicast, true); }},
      {kControl, [](VlanSettings& s) { return s.SetDropUntagged(false); }},
      {0x037E, [](VlanSettings& s) { return s.SetTagRules({0}, TagRule::kRemove); }},
      {0x0307, [](VlanSettings& s) { return s.SetTagRules({0}, TagRule::kRemove); }},
      {0x0318, [](VlanSettings& s) { return s.SetManagementVid("7"); }},
  };
  for (const Case& c : cases) {
    VlanRig rig(kF16A);
    rig.EnterMode(VlanMode::kDot1q);
    rig.LoseReadsOf(c.lost);
    EXPECT_EQ(c.change(rig.settings), Outcome::kNoAnswer) << c.lost;
    EXPECT_TRUE(rig.Agent().Writes().empty()) << c.lost;
    EXPECT_TRUE(Shows(rig, MessageId::kSwitchInfoReadError)) << c.lost;
  }
}

TEST(VlanOptions, ATrunkMembersRuleGoesToItsWholeGroup) {
  VlanRig rig(kF16A);
  rig.EnterMode(VlanMode::kDot1q);
  rig.Switch().Poke(0x0307, 0x0004);  // group 2: chip ports 4-7, rows 4-7
  EXPECT_EQ(rig.settings.SetTagRules({5}, TagRule::kRemove), Outcome::kDone);
  EXPECT_TRUE(Shows(rig, MessageId::kTrunkSharesEgressRule));
  for (size_t row = 3; row < 9; ++row)
    EXPECT_EQ(rig.settings.State().tagRows[row].rule,
              Message(row >= 4 && row < 8 ? MessageId::kRemoveVlanTag : MessageId::kLeaveFrameUnchanged))
        << row;
}

TEST(VlanOptions, LeakyOptionsAndTheManagementVid) {
  VlanRig rig(kF16A);
  rig.EnterMode(VlanMode::kPortBased);
  EXPECT_EQ(rig.settings.SetLeaky(LeakyOption::kArp, true), Outcome::kDone);
  EXPECT_TRUE(rig.settings.State().arpLeaky);
  EXPECT_FALSE(rig.settings.State().unicastLeaky);

  rig.Agent().ClearHistory();
  for (const char* bad : {"0", "4095", "12a", "+5", "12345", ""})
    EXPECT_EQ(rig.settings.SetManagementVid(bad), Outcome::kRefused) << bad;
  EXPECT_TRUE(rig.Agent().Writes().empty());
  rig.Switch().Poke(0x0318, 0x5123);
  EXPECT_EQ(rig.settings.SetManagementVid("0100"), Outcome::kDone);
  EXPECT_EQ(rig.Switch().Peek(0x0318), 0x5064u);
}

}  // namespace
}  // namespace velkor
