#include <gtest/gtest.h>

#include <QButtonGroup>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "device/message_table.h"
#include "feature_rig.h"
#include "pages/message_text.h"
#include "pages/switch/global_settings_page.h"
#include "pages/switch/mirroring_page.h"
#include "pages/switch/qos_page.h"
#include "pages/switch/security_page.h"

namespace velkor {
namespace {

using testing::FeatureRig;

constexpr uint8_t kF16A = 1, kG26A = 6;

// A page widget on its logic, on an emulated switch, filled once with the history cleared.
template <class Logic, class Widget>
struct PageRig : FeatureRig {
  PageRig() : FeatureRig(kF16A) {
    page.Attach(&logic);
    page.Fill();
    Clear();
  }
  Logic logic{context};
  Widget page;
};

TEST(FeatureWidgets, AQosFillSelectsButtonsWithoutWritingAndALostReadShowsNone) {
  PageRig<Qos, QosPage> rig;
  QosPage& page = rig.page;
  rig.Switch().Poke(0x0400, 0x0008);
  page.Fill();
  EXPECT_TRUE(rig.Agent().Writes().empty()) << "a fill leaves the switch as it was";
  EXPECT_TRUE(page.findChild<QRadioButton*>("RadioButton18")->isChecked());
  EXPECT_TRUE(page.findChild<QRadioButton*>("PrioPort")->font().bold());
  EXPECT_EQ(page.findChild<QTableWidget*>("QosPortList")->rowCount(), 16);

  page.findChild<QRadioButton*>("RadioButton20")->click();
  EXPECT_EQ(rig.Switch().Peek(0x0400), 0x0018u);

  rig.LoseReadsOf(0x0400);
  page.Fill();
  for (const char* name : {"RadioButton17", "RadioButton18", "RadioButton19", "RadioButton20", "PrioPort"})
    EXPECT_FALSE(page.findChild<QRadioButton*>(name)->isChecked()) << name;
}

TEST(FeatureWidgets, TheSecurityPageEmptiesItsFieldsAndHidesThePasswordOnTheQxG26A) {
  PageRig<Security, SecurityPage> rig;
  SecurityPage& page = rig.page;
  page.Connected(rig.Layout(), kF16A);
  auto* current = page.findChild<QLineEdit*>("Password0");
  current->setText("wrong");
  rig.prompter.Script(Answer::kYes);
  page.ChangePasswordClick();
  EXPECT_EQ(rig.Texts().back(), Message(MessageId::kCurrentPasswordWrong));
  EXPECT_TRUE(current->text().isEmpty());

  page.Connected(rig.Layout(), kG26A);
  EXPECT_TRUE(page.findChild<QGroupBox*>()->isHidden());
}

TEST(FeatureWidgets, TheHiddenIgmpGroupActsAndTheOtherHiddenGroupsDoNot) {
  PageRig<GlobalSettings, GlobalSettingsPage> rig;
  GlobalSettingsPage& page = rig.page;
  page.findChild<QGroupBox*>("RadioGroup9")->findChildren<QRadioButton*>()[1]->click();
  EXPECT_TRUE(rig.Agent().Writes().empty());
  page.findChild<QGroupBox*>("RadioGroup12")->findChildren<QRadioButton*>()[1]->click();
  EXPECT_EQ(rig.WritesOf(0x0308), std::vector<uint32_t>{0x0001});
  EXPECT_TRUE(page.findChild<QRadioButton*>("RadioButton10")->isChecked());
}

TEST(FeatureWidgets, TheMirroringMenusActOnTheSelectedRowOnly) {
  PageRig<Mirroring, MirroringPage> rig;
  MirroringPage& page = rig.page;
  page.RoleClick(MirrorRole::kReceive, true);
  EXPECT_TRUE(rig.Agent().Writes().empty()) << "no row selected";
  auto* mirrored = page.findChild<QTableWidget*>("MirroredPortList");
  mirrored->selectRow(5);
  page.RoleClick(MirrorRole::kReceive, true);
  EXPECT_EQ(rig.Switch().Peek(0x021B), 1u << rig.Layout().ChipPortOfRow(5));
  EXPECT_EQ(mirrored->item(5, 1)->text(), MessageText(MessageId::kEnabled));
}

}  // namespace
}  // namespace velkor
