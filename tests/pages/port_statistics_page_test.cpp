#include "pages/ports/port_statistics_page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include "pages/statistics_rig.h"

namespace velkor {
namespace {

class PortStatisticsPageTest : public ::testing::Test {
 protected:
  QPushButton* Button(const char* name) { return page.findChild<QPushButton*>(QString::fromUtf8(name)); }
  QMenu* SubMenu(const char* name) { return page.findChild<QMenu*>(QString::fromUtf8(name)); }
  QStringList Items(QMenu* menu) {
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text();
    return texts;
  }
  QAction* Item(QMenu* menu, const char* text) {
    for (QAction* a : menu->actions())
      if (a->text() == QString::fromUtf8(text)) return a;
    return nullptr;
  }

  PortStatisticsPage page;
  QTableWidget* list = page.findChild<QTableWidget*>("ListView5");
  QTimer* timer = page.findChild<QTimer*>("Timer1");
};

TEST_F(PortStatisticsPageTest, ListHasTheSevenColumnsAndOnlyCountColumnsGrowTo300) {
  ASSERT_EQ(list->columnCount(), 7);
  const char* captions[] = {"端口",       "RX计数",     "RX计数单位",    "TX计数",
                            "TX计数单位", "帧丢弃计数", "帧丢弃计数单位"};
  const int widths[] = {47, 121, 81, 121, 81, 121, 121};
  QHeaderView* header = list->horizontalHeader();
  for (int c = 0; c < 7; ++c) {
    EXPECT_EQ(list->horizontalHeaderItem(c)->text(), QString::fromUtf8(captions[c]));
    EXPECT_EQ(list->columnWidth(c), widths[c]);
    const bool grows = c == 1 || c == 3 || c == 5;
    EXPECT_EQ(header->sectionResizeMode(c), grows ? QHeaderView::Interactive : QHeaderView::Fixed) << c;
  }
  header->resizeSection(3, 450);
  EXPECT_EQ(list->columnWidth(3), 300);
  header->resizeSection(3, 200);
  EXPECT_EQ(list->columnWidth(3), 200);

  EXPECT_EQ(list->toolTip(), QStringLiteral("单击右键设置计数单位"));
  EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::ExtendedSelection);
  EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_TRUE(list->showGrid());
}

TEST_F(PortStatisticsPageTest, MenuOffersTheUnitsOfEachCounter) {
  auto* menu = page.findChild<QMenu*>("PopupMenu1");
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 3);
  EXPECT_EQ(SubMenu("RXUnit1")->title(), QStringLiteral("RX计数单位"));
  EXPECT_EQ(SubMenu("TXUnit1")->title(), QStringLiteral("TX计数单位"));
  EXPECT_EQ(SubMenu("DiagUnit1")->title(), QStringLiteral("帧丢弃计数单位"));
  const QStringList every{"字节", "帧", "错误帧", "碰撞帧"};
  EXPECT_EQ(Items(SubMenu("RXUnit1")), every);
  EXPECT_EQ(Items(SubMenu("TXUnit1")), (QStringList{"字节", "帧", "碰撞帧"}));
  EXPECT_EQ(Items(SubMenu("DiagUnit1")), every);
}

TEST_F(PortStatisticsPageTest, ButtonsAndTimerStartAsDesigned) {
  EXPECT_EQ(Button("Button3")->text(), QStringLiteral("开始计数"));
  EXPECT_EQ(Button("Button3")->toolTip(), QStringLiteral("单击开始计数"));
  EXPECT_EQ(Button("Button21")->text(), QStringLiteral("停止计数"));
  EXPECT_EQ(Button("Button21")->toolTip(), QStringLiteral("单击停止计数"));
  EXPECT_EQ(Button("Button6")->text(), QStringLiteral("暂停刷新"));
  EXPECT_EQ(Button("Button6")->toolTip(), QStringLiteral("单击暂停或继续刷新计数值"));
  EXPECT_EQ(Button("Button1")->text(), QStringLiteral("清除"));
  EXPECT_FALSE(Button("Button1")->isEnabled());
  EXPECT_EQ(timer->interval(), 3000);
  EXPECT_FALSE(timer->isActive());
}

// The widget wired to the logic over the emulator, as the program wires them.
TEST_F(PortStatisticsPageTest, ForwardsItsEventsToTheLogicAndShowsWhatItDecides) {
  testing::StatisticsRig rig;
  ASSERT_TRUE(rig.connected);
  PortStatistics logic{
      rig.transport, rig.identifier, rig.connection, page, {.pageInFront = [] { return true; }}};
  page.Attach(logic);
  logic.EnterIdle();
  logic.SwitchStatusSheetShow();
  ASSERT_EQ(list->rowCount(), 26);
  EXPECT_EQ(list->item(25, 0)->text(), QStringLiteral("G2"));
  EXPECT_EQ(list->item(0, 2)->text(), QStringLiteral("字节"));
  EXPECT_TRUE(Button("Button3")->isEnabled());
  EXPECT_FALSE(Button("Button6")->isEnabled());
  EXPECT_EQ(Button("Button6")->text(), QStringLiteral("停止刷新"));

  QTimer::singleShot(0, [&] {
    EXPECT_FALSE(SubMenu("RXUnit1")->menuAction()->isEnabled()) << "no row selected";
    QApplication::activePopupWidget()->close();
  });
  emit list->customContextMenuRequested(QPoint(5, 5));

  rig.Switch().SetCounter(1, sim::Counter::kReceive, 10);
  Button("Button3")->click();
  EXPECT_TRUE(timer->isActive());
  EXPECT_FALSE(Button("Button3")->isEnabled());
  EXPECT_TRUE(Button("Button1")->isEnabled());

  list->selectRow(0);
  Item(SubMenu("RXUnit1"), "帧")->trigger();
  EXPECT_EQ(list->item(0, 2)->text(), QStringLiteral("帧"));
  EXPECT_EQ(rig.Switch().Peek(0x0700), 0x0040u) << "row 01 is chip port 1";

  QTimer::singleShot(0, [&] {
    EXPECT_TRUE(Item(SubMenu("RXUnit1"), "帧")->isChecked()) << "the selected row's unit";
    EXPECT_FALSE(Item(SubMenu("RXUnit1"), "字节")->isChecked());
    QApplication::activePopupWidget()->close();
  });
  emit list->customContextMenuRequested(QPoint(5, 5));

  rig.Switch().SetCounter(1, sim::Counter::kReceive, 1234567);
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(list->item(0, 1)->text(), QStringLiteral("1,234,567"));
  EXPECT_TRUE(list->item(0, 1)->textAlignment() & Qt::AlignRight);

  Button("Button6")->click();
  EXPECT_FALSE(timer->isActive());
  EXPECT_EQ(Button("Button6")->text(), QStringLiteral("继续刷新"));
}

}  // namespace
}  // namespace velkor
