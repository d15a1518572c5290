#include "pages/ports/port_settings_page.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "pages/ports/port_description_dialog.h"
#include "pages/ports/port_descriptions.h"
#include "port_settings_rig.h"

namespace velkor {
namespace {

constexpr int kG17A = 4;

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* a : menu->actions()) captions << a->text();
  return captions;
}

class PortSettingsPageTest : public ::testing::Test {
 protected:
  QAction* Action(const char* name) { return page.PopupMenu()->findChild<QAction*>(QString::fromUtf8(name)); }
  QMenu* SubMenu(const char* name) { return page.PopupMenu()->findChild<QMenu*>(QString::fromUtf8(name)); }

  PortSettingsPage page;
  QTableWidget* list = page.findChild<QTableWidget*>("ListView7");
};

TEST_F(PortSettingsPageTest, ColumnsHaveTheirCaptionsAndWidthsAndTwoAreHidden) {
  ASSERT_EQ(list->columnCount(), 8);
  const char* captions[] = {"端口",          "端口开关",        "RX带宽",   "TX带宽",
                            "协商速度/双工", "802.3x 流量控制", "端口汇聚", "端口描述"};
  const int widths[] = {40, 0, 100, 100, 150, 165, 0, 138};
  for (int c = 0; c < 8; ++c) {
    EXPECT_EQ(list->horizontalHeaderItem(c)->text(), QString::fromUtf8(captions[c]));
    EXPECT_EQ(list->isColumnHidden(c), widths[c] == 0) << c;
    if (widths[c]) {
      EXPECT_EQ(list->columnWidth(c), widths[c]) << c;
    }
  }
  EXPECT_EQ(list->horizontalHeader()->sectionResizeMode(2), QHeaderView::Fixed);
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(list->toolTip(), QStringLiteral("单击右键进行端口设置"));
  EXPECT_EQ(page.findChild<QPushButton*>("BRestartAutoNeg")->text(), QStringLiteral("重新协商"));
  EXPECT_EQ(page.findChild<QPushButton*>("Button8")->text(), QStringLiteral("更新端口描述"));
}

TEST_F(PortSettingsPageTest, MenuHasEverySubMenuAndItemWithTheHiddenOnesPresent) {
  EXPECT_EQ(Captions(page.PopupMenu()), (QStringList{"端口开关", "RX带宽", "TX带宽", "协商速度/双工",
                                                     "802.3x 流量控制", "端口汇聚", "端口描述"}));
  EXPECT_FALSE(SubMenu("Enabled1")->menuAction()->isVisible());
  EXPECT_FALSE(SubMenu("Trunking1")->menuAction()->isVisible());
  EXPECT_TRUE(SubMenu("RXBandwidth1")->menuAction()->isVisible());
  EXPECT_TRUE(Action("N1")->isVisible());
  const QStringList limits{"无限制", "128 Kbps", "256 Kbps", "512 Kbps",
                           "1 Mbps", "2 Mbps",   "4 Mbps",   "8 Mbps"};
  EXPECT_EQ(Captions(SubMenu("RXBandwidth1")), limits);
  EXPECT_EQ(Captions(SubMenu("TXBandwidth1")), limits);
  EXPECT_FALSE(Action("RxBandwidth128KbpsClick")->isVisible());
  EXPECT_FALSE(Action("TxBandwidth128KbpsClick")->isVisible());
  EXPECT_EQ(Captions(SubMenu("Advertised1")),
            (QStringList{"10M Half", "10M Full", "100M Half", "100M Full", "1000M Full"}));
  EXPECT_EQ(Captions(SubMenu("PauseFlowControl1")), (QStringList{"禁止", "启用"}));
  EXPECT_EQ(Captions(SubMenu("Trunking1")), (QStringList{"禁止", "启用"}));
  EXPECT_EQ(Captions(SubMenu("Enabled1")), (QStringList{"打开", "关闭"}));
  Action("EnabledNoClick")->trigger();  // nothing attached yet: nothing happens
}

TEST_F(PortSettingsPageTest, TheMenuActsOnTheSwitchThroughTheAttachedLogic) {
  testing::PortSettingsRig rig(kG17A);
  PortSettings logic(rig.transport, rig.connection, rig.identifier, rig.prompter, page);
  TPortDescription dialog;
  PortDescriptions descriptions(logic, dialog, rig.progress, rig.busy);
  page.Attach(&logic, &descriptions);
  ASSERT_EQ(logic.FillPortSettings(), Outcome::kDone);
  ASSERT_EQ(list->rowCount(), 26);
  EXPECT_EQ(list->item(24, 0)->text(), QStringLiteral("G1"));
  EXPECT_EQ(list->item(24, 7), nullptr) << "gigabit rows have no description cell";

  page.PreparePopupMenu();
  EXPECT_FALSE(SubMenu("RXBandwidth1")->menuAction()->isEnabled()) << "nothing selected";

  list->setCurrentCell(25, 0);
  page.PreparePopupMenu();
  EXPECT_TRUE(Action("AdvertisedSpeed1000MFullClick")->isVisible());
  EXPECT_FALSE(SubMenu("Trunking1")->menuAction()->isEnabled());

  list->setCurrentCell(3, 0, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  list->selectionModel()->select(list->model()->index(1, 0),
                                 QItemSelectionModel::Select | QItemSelectionModel::Rows);
  EXPECT_EQ(page.SelectedRows(), (std::vector<size_t>{1, 3}));
  page.PreparePopupMenu();
  EXPECT_FALSE(Action("AdvertisedSpeed1000MFullClick")->isVisible());
  Action("TxBandwidth4MbpsClick")->trigger();
  EXPECT_EQ(list->item(1, 3)->text(), QStringLiteral("4 Mbps"));
  EXPECT_EQ(list->item(3, 3)->text(), QStringLiteral("4 Mbps"));
  EXPECT_EQ(list->item(2, 3)->text(), QStringLiteral("无限制"));
}

TEST(PortDescriptionDialogTest, TakesEightGbkBytesAndOpensEmpty) {
  TPortDescription dialog;
  auto* edit = dialog.findChild<QLineEdit*>("Edit1");
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("端口描述"));
  QTest::keyClicks(edit, "ABCDEFGHIJ");
  EXPECT_EQ(edit->text(), QStringLiteral("ABCDEFGH"));
  edit->clear();
  for (const QString& c : {QStringLiteral("机"), QStringLiteral("房"), QStringLiteral("一"),
                           QStringLiteral("楼"), QStringLiteral("二"), QStringLiteral("x")})
    edit->insert(c);
  EXPECT_EQ(edit->text(), QStringLiteral("机房一楼")) << "four Chinese characters fill the 8 bytes";

  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_TRUE(edit->text().isEmpty());
    QTest::keyClicks(edit, "desk");
    dialog.findChild<QPushButton*>("Button1")->click();
  });
  EXPECT_EQ(dialog.Ask(), std::optional<std::string>("desk"));

  QTimer::singleShot(0, &dialog, [&] {
    QTest::keyClicks(edit, "room");
    dialog.findChild<QPushButton*>("Button2")->click();
  });
  EXPECT_EQ(dialog.Ask(), std::nullopt);
  EXPECT_TRUE(dialog.Cancelled());
}

}  // namespace
}  // namespace velkor
