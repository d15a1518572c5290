#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTableWidget>

#include "device/message_table.h"
#include "feature_rig.h"
#include "pages/switch/qos_page.h"
#include "pages/switch/security_page.h"

namespace velkor {
namespace {

using testing::FeatureRig;

constexpr uint8_t kF16A = 1, kG26A = 6;

TEST(FeatureWidgets, AQosFillSelectsButtonsWithoutWritingAndALostReadShowsNone) {
  FeatureRig rig(kF16A);
  rig.Switch().Poke(0x0400, 0x0008);
  Qos qos(rig.context);
  QosPage page;
  page.Attach(&qos);
  rig.Clear();
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
  FeatureRig rig(kF16A);
  Security security(rig.context);
  SecurityPage page;
  page.Attach(&security);
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

}  // namespace
}  // namespace velkor
