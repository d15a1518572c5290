#include "pages/vlan/dot1q_vlan.h"

#include <gtest/gtest.h>

#include "device/message_table.h"
#include "vlan_rig.h"

namespace velkor {
namespace {

using testing::VlanRig;

constexpr uint8_t kF16A = 1;

struct Dot1qVlanTest : ::testing::Test {
  Dot1qVlanTest() { rig.EnterMode(VlanMode::kDot1q); }
  GroupDialog Editor(size_t row) {
    Outcome outcome;
    auto dialog = rig.dot1q.EditGroupDialog(row, outcome);
    EXPECT_TRUE(dialog) << static_cast<int>(outcome);
    return *dialog;
  }
  // Group row row gets vid and ports through the editor.
  void SetGroup(size_t row, const char* vid, uint32_t ports) {
    GroupDialog dialog = Editor(row);
    dialog.vidText = vid;
    dialog.Boxes().CheckPorts(ports);
    ASSERT_TRUE(dialog.Accept(rig.prompter));
    ASSERT_EQ(rig.dot1q.ApplyEditGroup(row, dialog), Outcome::kDone);
  }
  GroupChooser Chooser(size_t row) {
    Outcome outcome;
    return rig.dot1q.MapDialog(row, outcome).value_or(GroupChooser{});
  }
  VlanRig rig{kF16A};
};

TEST_F(Dot1qVlanTest, TheEditorRefusesBadVidsAndAnEmptyGroup1) {
  GroupDialog first = Editor(0);
  first.Boxes().CheckAll(false);
  EXPECT_FALSE(first.Accept(rig.prompter));
  GroupDialog second = Editor(1);
  second.Boxes().CheckPorts(0x3);
  for (const char* bad : {"1", "0", "4095", "abc"}) {
    second.vidText = bad;
    EXPECT_FALSE(second.Accept(rig.prompter)) << bad;
  }
  EXPECT_TRUE(rig.Agent().Writes().empty());
  EXPECT_EQ(rig.Texts(), (std::vector<std::string>{
                             std::string(Message(MessageId::kVlanGroupEmpty)),
                             std::string(Message(MessageId::kVlanIdInUse)),
                             std::string(Message(MessageId::kInvalidVlanId)),
                             std::string(Message(MessageId::kInvalidVlanId)),
                             std::string(Message(MessageId::kInvalidVlanId)),
                         }));
  second.vidText = "0007";
  ASSERT_TRUE(second.Accept(rig.prompter));
  EXPECT_EQ(rig.dot1q.ApplyEditGroup(1, second), Outcome::kDone);
  EXPECT_EQ(rig.dot1q.Groups()[1].vidText, "7");
  EXPECT_EQ(rig.dot1q.Groups()[1].ports.substr(0, 9), "01 02 -- ");
  EXPECT_FALSE(rig.WritesOf(0x031E + 3).empty()) << "a group writes its high members on every model";

  rig.Agent().ClearHistory();
  GroupDialog same = Editor(1);
  ASSERT_TRUE(same.Accept(rig.prompter)) << "its own VID is no conflict";
  EXPECT_TRUE(same.Unchanged());
  EXPECT_EQ(rig.dot1q.ApplyEditGroup(1, same), Outcome::kDone);
  EXPECT_TRUE(rig.Agent().Writes().empty());
}

TEST_F(Dot1qVlanTest, AClearedGroupsPortsMoveToGroup1) {
  SetGroup(1, "7", 0x3);
  GroupChooser chooser = Chooser(0);
  EXPECT_EQ(chooser.items, (std::vector<std::string>{"01", "02"}));
  EXPECT_EQ(Chooser(5).items, std::vector<std::string>{"01"}) << "only groups that hold the port";
  chooser.selected = 1;
  ASSERT_EQ(rig.dot1q.ApplyMap(0, chooser), Outcome::kDone);
  EXPECT_EQ(rig.dot1q.Mapping()[0].group, "02");

  EXPECT_FALSE(rig.dot1q.MenuPopup(0).clear);
  EXPECT_TRUE(rig.dot1q.MenuPopup(1).clear);
  EXPECT_EQ(rig.dot1q.ClearGroup(1), Outcome::kDone);
  EXPECT_EQ(rig.dot1q.Mapping()[0].group, "01");
  EXPECT_EQ(rig.dot1q.Groups()[1].vidText, "-");
  EXPECT_EQ(rig.dot1q.Groups()[1].ports, Message(MessageId::kEmpty));
}

TEST_F(Dot1qVlanTest, EmptyingAGroupInTheEditorTellsTheUser) {
  SetGroup(1, "7", 0x3);
  rig.prompter.shown.clear();
  GroupDialog dialog = Editor(1);
  dialog.Boxes().CheckAll(false);
  ASSERT_TRUE(dialog.Accept(rig.prompter));
  EXPECT_EQ(rig.Texts(), std::vector<std::string>{std::string(Message(MessageId::kNoMemberSelected))});
  EXPECT_EQ(dialog.Vid(), 0);
}

TEST_F(Dot1qVlanTest, MappingATrunkedPortMapsItsGroup) {
  rig.Switch().Poke(0x0307, 0x0004);  // chip ports 4-7, rows 4-7
  SetGroup(1, "9", 0xF0);
  GroupChooser chooser = Chooser(6);
  chooser.selected = 1;
  ASSERT_EQ(rig.dot1q.ApplyMap(6, chooser), Outcome::kDone);
  EXPECT_EQ(rig.Texts().back(), Message(MessageId::kTrunkSharesVlanGroup));
  for (size_t row = 3; row < 9; ++row)
    EXPECT_EQ(rig.dot1q.Mapping()[row].entry, row >= 4 && row < 8 ? 1 : 0) << row;
}

TEST_F(Dot1qVlanTest, LostRepliesWriteNothing) {
  SetGroup(1, "7", 0x3);
  GroupChooser chooser = Chooser(0);
  chooser.selected = 1;
  rig.Agent().ClearHistory();
  rig.LoseReadsOf(0x030C);
  EXPECT_EQ(rig.dot1q.ClearGroup(1), Outcome::kNoAnswer);
  EXPECT_EQ(rig.dot1q.ApplyMap(0, chooser), Outcome::kNoAnswer);
  rig.LoseReadsOf(0x031F + 3);
  Outcome outcome;
  EXPECT_FALSE(rig.dot1q.EditGroupDialog(1, outcome));
  EXPECT_EQ(outcome, Outcome::kNoAnswer);
  EXPECT_TRUE(rig.Agent().Writes().empty());
}

TEST_F(Dot1qVlanTest, AReadBackMismatchEndsTheConnection) {
  rig.Switch().Freeze(0x031F + 3);
  EXPECT_EQ(rig.dot1q.WriteDot1qEntry(1, 7, 0x3), Outcome::kSwitchLost);
  EXPECT_FALSE(rig.connection.State().connected);
  EXPECT_EQ(rig.Texts().front(), Message(MessageId::kVlanWriteFailed));
}

}  // namespace
}  // namespace velkor
