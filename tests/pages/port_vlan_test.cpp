#include "pages/vlan/port_vlan.h"

#include <gtest/gtest.h>

#include "device/message_table.h"
#include "pages/vlan/vlan_texts.h"
#include "vlan_rig.h"

namespace velkor {
namespace {

using testing::VlanRig;

constexpr uint8_t kF16A = 1;

struct PortVlanTest : ::testing::Test {
  PortVlanTest() {
    rig.EnterMode(VlanMode::kPortBased);
    // Start from a table where nobody talks to anybody.
    rig.prompter.Script(Answer::kYes);
    rig.portBased.ClearTable();
    rig.prompter.shown.clear();
    rig.Agent().ClearHistory();
  }
  std::optional<PortMemberDialog> Edit(size_t row) {
    Outcome outcome;
    return rig.portBased.EditPortDialog(row, outcome);
  }
  std::optional<PortMemberDialog> Add() {
    Outcome outcome;
    return rig.portBased.AddGroupDialog(outcome);
  }
  VlanRig rig{kF16A};
};

TEST_F(PortVlanTest, EditingPort05ChangesOnlyTheSetsOf05AndItsPeers) {
  auto group = Add();
  group->Boxes().CheckPorts(0x00FF);
  ASSERT_TRUE(group->Accept(rig.prompter));
  ASSERT_EQ(rig.portBased.ApplyAddGroup(*group), Outcome::kDone);

  auto dialog = Edit(4);
  ASSERT_TRUE(dialog);
  EXPECT_FALSE(dialog->Boxes().Box(4).enabled) << "the own box";
  dialog->Boxes().CheckPorts(0x3);
  ASSERT_TRUE(dialog->Accept(rig.prompter));
  ASSERT_EQ(rig.portBased.ApplyEditPort(*dialog), Outcome::kDone);

  const auto& rows = rig.portBased.Rows();
  EXPECT_EQ(rows[4].peers.substr(0, 9), "01 02 -- ");
  EXPECT_NE(rows[0].peers.find("05"), std::string::npos);
  EXPECT_EQ(rows[5].peers.find("05"), std::string::npos);
  EXPECT_NE(rows[5].peers.find("04"), std::string::npos);
  EXPECT_EQ(rows[9].peers, Message(MessageId::kIsolatedPort));
  for (int e = 0; e < 32; ++e) EXPECT_TRUE(rig.WritesOf(0x031E + 3 * e).empty()) << e;
}

TEST_F(PortVlanTest, TheDialogRefusesWhatMakesNoChange) {
  auto one = Add();
  one->Boxes().CheckPorts(0x1);
  EXPECT_FALSE(one->Accept(rig.prompter));
  auto two = Add();
  two->Boxes().CheckPorts(0x3);
  ASSERT_TRUE(two->Accept(rig.prompter));
  rig.portBased.ApplyAddGroup(*two);
  auto again = Add();
  again->Boxes().CheckPorts(0x3);
  EXPECT_FALSE(again->Accept(rig.prompter));
  auto same = Edit(0);
  EXPECT_FALSE(same->Accept(rig.prompter));
  EXPECT_EQ(rig.Texts(),
            (std::vector<std::string>{kTwoOrMorePortsText, kAlreadyGroupedText, kNoMemberSetText}));
}

TEST_F(PortVlanTest, ATrunkGroupIsOneBoxThatCountsOnce) {
  rig.Switch().Poke(0x0307, 0x0004);  // group 2: chip ports 4-7
  auto edit = Edit(5);
  const MemberBox& trunk = edit->Boxes().Box(4);
  EXPECT_EQ(trunk.caption, "Trunk2:06");
  EXPECT_FALSE(trunk.enabled);
  EXPECT_TRUE(trunk.wide);
  EXPECT_FALSE(edit->Boxes().Box(5).visible);

  auto add = Add();
  EXPECT_EQ(add->Boxes().Box(4).caption, "Trunk2");
  add->Boxes().CheckPorts(0x10);
  EXPECT_FALSE(add->Accept(rig.prompter)) << "one box, though four ports";
  add->Boxes().CheckPorts(0x11);
  ASSERT_TRUE(add->Accept(rig.prompter));
  EXPECT_EQ(add->Result(), 0xF1u);
}

TEST_F(PortVlanTest, ALostTableReadChangesNothing) {
  rig.LoseReadsOf(0x031D + 3 * 7);
  Outcome outcome;
  EXPECT_FALSE(rig.portBased.EditPortDialog(4, outcome));
  EXPECT_EQ(outcome, Outcome::kNoAnswer);
  EXPECT_FALSE(rig.portBased.AddGroupDialog(outcome));
  rig.LoseReadsOf(0x0307);
  EXPECT_EQ(rig.portBased.ClearTable(), Outcome::kNoAnswer);
  EXPECT_TRUE(rig.Agent().Writes().empty());
}

TEST_F(PortVlanTest, AReadBackMismatchEndsTheConnection) {
  rig.Switch().Freeze(0x031D + 3 * 3);
  auto group = Add();
  group->Boxes().CheckPorts(0x6);
  ASSERT_TRUE(group->Accept(rig.prompter));
  EXPECT_EQ(rig.portBased.ApplyAddGroup(*group), Outcome::kSwitchLost);
  EXPECT_FALSE(rig.connection.State().connected);
  EXPECT_EQ(rig.Texts(), (std::vector<std::string>{std::string(Message(MessageId::kVlanWriteFailed)),
                                                   std::string(Message(MessageId::kDisconnecting))}));
}

TEST_F(PortVlanTest, AnEnabledTrunkGroupBlocksDeletingTheTable) {
  rig.Switch().Poke(0x0307, 0x0002);
  EXPECT_EQ(rig.portBased.ClearTable(), Outcome::kRefused);
  EXPECT_EQ(rig.Texts(),
            std::vector<std::string>{std::string(Message(MessageId::kTrunkBlocksVlanListDelete))});
  EXPECT_TRUE(rig.Agent().Writes().empty());
}

}  // namespace
}  // namespace velkor
