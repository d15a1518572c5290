#include "pages/vlan/trunk_enabling.h"

#include <gtest/gtest.h>

#include "device/message_table.h"
#include "pages/vlan/trunk_vlan_check.h"
#include "port_settings_rig.h"
#include "vlan_rig.h"

namespace velkor {
namespace {

using testing::VlanRig;

constexpr uint8_t kF16A = 1, kG26A = 6;
constexpr uint16_t kTrunk = 0x0307, kPortOff = 0x0608, kReceiveMirrored = 0x021B;

struct TrunkRig : VlanRig {
  explicit TrunkRig(uint8_t model, VlanMode mode = VlanMode::kDisabled) : VlanRig(model) {
    EnterMode(mode);
    // Members start off, rate limited, advertising little and without pause, so the reset shows.
    Switch().Poke(kPortOff, 0x0F00 & ~(1u << Switch().LocalPort()));
    for (uint16_t reg = 0x020A; reg < 0x020A + 13; ++reg) Switch().Poke(reg, 0x3333);
    for (uint16_t reg = 0x060A; reg < 0x060A + 13; ++reg) Switch().Poke(reg, 0x4141);
    Agent().ClearHistory();
  }
  size_t RowOf(int p) const {
    for (size_t row = 0; row < Layout().RowCount(); ++row)
      if (Layout().ChipPortOfRow(row) == p) return row;
    return Layout().RowCount();
  }
  std::string LastText() const { return prompter.shown.empty() ? "" : prompter.shown.back().text; }
  TrunkEnabling trunks{context, tables};
};

TEST(TrunkEnabling, EnablesTheGroupAndResetsOnlyItsMembers) {
  TrunkRig fast(kF16A);
  EXPECT_EQ(fast.trunks.Enable(9), Outcome::kDone);
  EXPECT_EQ(fast.Switch().Peek(kTrunk) & 0xFF, 0x0008u);
  EXPECT_EQ(fast.Switch().Peek(kPortOff), 0x0000u);
  EXPECT_EQ(fast.Switch().Peek(0x020A + 4), 0x0000u);  // chip ports 8 and 9
  EXPECT_EQ(fast.Switch().Peek(0x020A + 6), 0x3333u);  // chip ports 12 and 13
  EXPECT_EQ(fast.Switch().Peek(0x060A + 5), 0x2F2Fu);  // chip ports 10 and 11
  EXPECT_EQ(fast.LastText(), Message(MessageId::kTrunkMembersReset));

  TrunkRig small(kG26A);
  EXPECT_EQ(small.trunks.Enable(1), Outcome::kDone);
  EXPECT_EQ(small.Switch().Peek(kTrunk) & 0xFF, 0x0001u);
  EXPECT_EQ(small.Switch().Peek(0x060A), 0x2F2Fu);
  EXPECT_EQ(small.Switch().Peek(0x060A + 1), 0x4141u);
  EXPECT_EQ(small.trunks.Enable(25), Outcome::kDone);  // "G2"
  EXPECT_EQ(small.Switch().Peek(kTrunk) & 0xFF, 0x0081u);
  EXPECT_EQ(small.Switch().Peek(0x060A + 12), 0x3F3Fu);
}

TEST(TrunkEnabling, DisablingTwoGroupsIsOneWriteAndKeepsTheMembers) {
  TrunkRig rig(kF16A);
  rig.Switch().Poke(kTrunk, 0x000E);
  EXPECT_EQ(rig.trunks.Disable({1, 9}), Outcome::kDone);
  EXPECT_EQ(rig.WritesOf(kTrunk), std::vector<uint32_t>{0x0004});
  EXPECT_TRUE(rig.WritesOf(kPortOff).empty());
}

TEST(TrunkEnabling, TheMenuActsOnTheRowsItsColumnAllows) {
  TrunkRig rig(kF16A);
  testing::FakePortSettingsView view;
  PortSettings page{rig.transport, rig.connection, rig.identifier, rig.prompter, view};
  rig.Switch().Poke(kTrunk, 0x0004);  // chip ports 4-7
  page.FillPortSettings();
  view.selected = {rig.RowOf(5)};
  EXPECT_EQ(TrunkingEnabledClick(page, rig.trunks), Outcome::kRefused) << "its group is on already";
  view.selected = {rig.RowOf(5), rig.RowOf(9)};
  EXPECT_EQ(TrunkingDisabledClick(page, rig.trunks), Outcome::kDone);
  EXPECT_EQ(rig.Switch().Peek(kTrunk) & 0xFF, 0u);
  EXPECT_EQ(view.Cell(rig.RowOf(5), PortColumn::kTrunk), Message(MessageId::kDisabled)) << "refilled";
}

TEST(TrunkEnabling, RefusalsAndLostReadsWriteNothing) {
  TrunkRig rig(kF16A);
  rig.Switch().Poke(kReceiveMirrored, 1u << 10);
  EXPECT_EQ(rig.trunks.Enable(9), Outcome::kRefused);
  EXPECT_EQ(rig.LastText(), Message(MessageId::kTrunkMemberIsMirrored));
  EXPECT_EQ(rig.trunks.Enable(24), Outcome::kRefused);  // gigabit ports are not trunked here
  rig.Switch().Poke(kReceiveMirrored, 0);

  rig.LoseReadsOf(0x060A + 4);
  EXPECT_EQ(rig.trunks.Enable(9), Outcome::kNoAnswer);
  EXPECT_TRUE(rig.WritesOf(kPortOff).empty());
  rig.LoseReadsOf(kTrunk);
  EXPECT_EQ(rig.trunks.Enable(1), Outcome::kNoAnswer);
  EXPECT_EQ(rig.trunks.Disable({1}), Outcome::kNoAnswer);
  EXPECT_TRUE(rig.WritesOf(kTrunk).empty());
}

// The refusal of a VLAN split names the row, counted from 1.
std::string SplitText(int row) {
  return std::string(Message(MessageId::kTrunkVlanRowPrefix)) + std::to_string(row) +
         std::string(Message(MessageId::kTrunkVlanRowSuffix));
}

TEST(TrunkVlanCheck, Dot1qGroupsRulesAndMappingsMustKeepTheGroupTogether) {
  TrunkRig rig(kF16A, VlanMode::kDot1q);
  rig.Switch().Poke(0x031D + 3 * 5, 0x0300);  // group 6 holds chip ports 8 and 9 of 8-11
  EXPECT_EQ(rig.trunks.Enable(9), Outcome::kRefused);
  EXPECT_EQ(rig.LastText(), SplitText(6));
  rig.Switch().Poke(0x031D + 3 * 5, 0x0F00);
  EXPECT_EQ(CheckTrunkVlanConsistency(rig.context, rig.tables, 0x0F00), Outcome::kDone);

  const uint32_t tags = rig.Switch().Peek(0x031A);
  rig.Switch().Poke(0x031A, tags ^ 0x0C);  // chip port 9's output rule differs
  EXPECT_EQ(CheckTrunkVlanConsistency(rig.context, rig.tables, 0x0F00), Outcome::kRefused);
  EXPECT_EQ(rig.LastText(), Message(MessageId::kGiveTrunkOneEgressRuleFirst));
  rig.Switch().Poke(0x031A, tags);

  const uint32_t index = rig.Switch().Peek(0x0310);
  rig.Switch().Poke(0x0310, index ^ 0x0100);  // chip port 9 maps to another group
  EXPECT_EQ(CheckTrunkVlanConsistency(rig.context, rig.tables, 0x0F00), Outcome::kRefused);
  EXPECT_EQ(rig.LastText(), Message(MessageId::kMapTrunkToOneGroupFirst));
  rig.Switch().Poke(0x030B, rig.Switch().Peek(0x030B) | 0x20);  // untagged frames are dropped
  EXPECT_EQ(CheckTrunkVlanConsistency(rig.context, rig.tables, 0x0F00), Outcome::kDone);
  EXPECT_TRUE(rig.WritesOf(kTrunk).empty());
}

TEST(TrunkVlanCheck, APortBasedSplitIsRefusedWithItsRow) {
  TrunkRig rig(kF16A, VlanMode::kPortBased);
  EXPECT_EQ(rig.trunks.Enable(9), Outcome::kRefused);
  EXPECT_EQ(rig.LastText().rfind(Message(MessageId::kTrunkVlanRowPrefix), 0), 0u);
  EXPECT_TRUE(rig.Agent().Writes().empty());

  VlanTable table(VlanTableKind::kPortBased);
  table.Reset(kF16A, rig.Layout());
  table.AddGroup(0xFFFF);
  EXPECT_EQ(FindSplittingEntry(table, rig.Layout(), 0x0F00), -1);
  table.SetPortAllowed(PortBasedEntryOf(kF16A, 2), 0x0100);  // outside, talks to 8 only
  EXPECT_EQ(FindSplittingEntry(table, rig.Layout(), 0x0F00), static_cast<int>(rig.RowOf(2)));
  table.AddGroup(0xFFFF);
  table.SetEntry(PortBasedEntryOf(kF16A, 10), 0, 0xF7FF);  // inside, misses chip port 11
  EXPECT_EQ(FindSplittingEntry(table, rig.Layout(), 0x0F00), static_cast<int>(rig.RowOf(10)));
}

}  // namespace
}  // namespace velkor
