#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "device/message_table.h"
#include "pages/vlan/member_boxes_widget.h"
#include "pages/vlan/vlan_dialogs.h"
#include "pages/vlan/vlan_mode_page.h"
#include "pages/vlan/vlan_table_pages.h"
#include "vlan_rig.h"

namespace velkor {
namespace {

using testing::VlanRig;

constexpr uint8_t kF16A = 1;

TEST(VlanWidgets, TheModePageShowsTheModeAndPutsItBackOnNo) {
  VlanRig rig(kF16A);
  rig.EnterMode(VlanMode::kDot1q);
  VlanModePage page;
  std::vector<VlanMode> shown;
  page.Attach(&rig.settings, &rig.tables, [&](const VlanPageState& s) { shown.push_back(s.mode); });
  page.Fill();
  QRadioButton* dot1q = page.findChild<QRadioButton*>("Mode2");
  ASSERT_NE(dot1q, nullptr);
  EXPECT_TRUE(dot1q->isChecked() && dot1q->font().bold());
  EXPECT_FALSE(page.findChild<QRadioButton*>("Mode0")->font().bold());
  EXPECT_EQ(page.findChild<QTableWidget*>("TagList")->rowCount(), 16);
  EXPECT_TRUE(page.findChild<QCheckBox*>("DropUntagged")->isEnabled());

  rig.prompter.Script(Answer::kNo);
  page.findChild<QRadioButton*>("Mode0")->click();
  EXPECT_TRUE(dot1q->isChecked());
  EXPECT_EQ(shown, (std::vector<VlanMode>{VlanMode::kDot1q, VlanMode::kDot1q}));

  rig.LoseReadsOf(0x030B);
  page.Fill();
  EXPECT_FALSE(dot1q->isChecked()) << "a lost read shows no mode";
}

TEST(VlanWidgets, TheGroupEditorKeepsItselfOpenOnABadVid) {
  VlanRig rig(kF16A);
  rig.EnterMode(VlanMode::kDot1q);
  Outcome outcome;
  auto logic = rig.dot1q.EditGroupDialog(1, outcome);
  ASSERT_TRUE(logic);
  TVlan2Dlg dialog;
  dialog.Load(&*logic, &rig.prompter);
  EXPECT_EQ(dialog.VidEdit()->text(), "0") << "an empty group";
  dialog.Boxes()->Box(0)->click();
  dialog.Boxes()->Box(1)->click();
  dialog.VidEdit()->setText("4095");
  dialog.Button1Click();
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(rig.prompter.shown.back().text, Message(MessageId::kInvalidVlanId));
  dialog.VidEdit()->setText("7");
  dialog.Button1Click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(logic->Vid(), 7);
  EXPECT_EQ(logic->Members(), 0x3u);
}

TEST(VlanWidgets, ThePortDialogCollapsesTrunksAndTheTablePagesFill) {
  VlanRig rig(kF16A);
  rig.Switch().Poke(0x0307, 0x0004);  // chip ports 4-7
  rig.EnterMode(VlanMode::kPortBased);
  Outcome outcome;
  auto edit = rig.portBased.EditPortDialog(5, outcome);
  ASSERT_TRUE(edit);
  TVlanDlg dialog;
  dialog.Load(&*edit, "06", &rig.prompter);
  EXPECT_EQ(dialog.Boxes()->Box(4)->text(), "Trunk2:06");
  EXPECT_FALSE(dialog.Boxes()->Box(4)->isEnabled());
  EXPECT_TRUE(dialog.Boxes()->Box(5)->isHidden());
  EXPECT_TRUE(dialog.findChild<QLabel*>("Hint")->isHidden());

  PortVlanTablePage ports;
  ports.Attach(&rig.portBased, &rig.prompter);
  ports.Fill();
  EXPECT_EQ(ports.List()->rowCount(), 16);

  rig.EnterMode(VlanMode::kDot1q);
  Dot1qGroupsPage groups;
  groups.Attach(&rig.dot1q, &rig.prompter);
  groups.Fill();
  EXPECT_EQ(groups.Groups()->rowCount(), 32);
  EXPECT_EQ(groups.Groups()->item(1, 1)->text(), "-");
  EXPECT_EQ(groups.Mapping()->item(0, 1)->text(), "01");
}

}  // namespace
}  // namespace velkor
