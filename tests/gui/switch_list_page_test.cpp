#include "app/switch_list_page.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace velkor {
namespace {

class SwitchListPageTest : public ::testing::Test {
 protected:
  SwitchListPageTest() : page(handlers), list(page.findChild<QTableWidget*>("ListView1")) {
    page.resize(720, 480);
    page.SetRows({{"QX-F16A", "00:E0:4C:00:00:10", "机房一"}, {"未知", "00:E0:4C:00:00:11", ""}});
    page.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
  }

  void SelectRow(int row) { list->selectRow(row); }

  // QTest's double-click is the second click's event alone; a user's starts with a whole click.
  void DoubleClick(QPoint at) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
  }

  // Opens the context menu as a right-click would and picks its entry when it is enabled.
  bool OpenMenuAndPick() {
    bool enabled = false;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QAction* entry = menu->actions().first();
      enabled = entry->isEnabled();
      menu->setActiveAction(entry);
      QTest::keyClick(menu, Qt::Key_Return);
      if (menu->isVisible()) menu->close();
    });
    emit list->customContextMenuRequested(QPoint(10, 10));
    return enabled;
  }

  SwitchListHandlers handlers;
  SwitchListPage page;
  QTableWidget* list;
};

TEST_F(SwitchListPageTest, ColumnsHaveTheirCaptionsFixedWidthsAndAlignment) {
  ASSERT_EQ(list->columnCount(), 3);
  const char* captions[] = {"交换机型号", "MAC地址", "交换机描述"};
  const int widths[] = {150, 193, 350};
  for (int c = 0; c < 3; ++c) {
    EXPECT_EQ(list->horizontalHeaderItem(c)->text(), QString::fromUtf8(captions[c]));
    EXPECT_EQ(list->columnWidth(c), widths[c]);
    EXPECT_EQ(list->horizontalHeader()->sectionResizeMode(c), QHeaderView::Fixed);
  }
  EXPECT_TRUE(list->item(0, 0)->textAlignment() & Qt::AlignLeft);
  EXPECT_EQ(list->item(0, 1)->textAlignment(), Qt::AlignCenter);
  EXPECT_EQ(list->item(0, 2)->textAlignment(), Qt::AlignCenter);
  EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_FALSE(list->isSortingEnabled());
  EXPECT_EQ(list->toolTip(), QStringLiteral("请双击条目或使用右键菜单连接交换机"));
}

TEST_F(SwitchListPageTest, KnownModelsAreGreenUnknownRedAndTheRestBlack) {
  EXPECT_EQ(list->item(0, 0)->foreground().color(), QColor(0, 128, 0));
  EXPECT_EQ(list->item(1, 0)->foreground().color(), QColor(255, 0, 0));
  for (int r = 0; r < 2; ++r) {
    EXPECT_EQ(list->item(r, 1)->foreground().color(), QColor(Qt::black));
    EXPECT_EQ(list->item(r, 2)->foreground().color(), QColor(Qt::black));
  }
  EXPECT_EQ(list->item(0, 2)->text(), QStringLiteral("机房一"));
}

TEST_F(SwitchListPageTest, RefillReplacesTheRowsAndSelectsNone) {
  SelectRow(1);
  page.SetRows({{"QX-G26A", "00:E0:4C:00:00:20", "a"}});
  EXPECT_EQ(list->rowCount(), 1);
  EXPECT_TRUE(list->selectionModel()->selectedRows().isEmpty());
  page.Clear();
  EXPECT_EQ(list->rowCount(), 0);
}

TEST_F(SwitchListPageTest, ContextMenuAsksForTheSelectedRowAndConnectsIt) {
  std::vector<int> asked;
  std::vector<int> connected;
  handlers.connectEnabled = [&](int row) {
    asked.push_back(row);
    return row == 0;
  };
  handlers.connectChosen = [&](int row) { connected.push_back(row); };

  EXPECT_FALSE(OpenMenuAndPick());
  SelectRow(1);
  EXPECT_FALSE(OpenMenuAndPick());
  SelectRow(0);
  EXPECT_TRUE(OpenMenuAndPick());

  EXPECT_EQ(asked, (std::vector<int>{-1, 1, 0}));
  EXPECT_EQ(connected, std::vector<int>{0});
}

TEST_F(SwitchListPageTest, OnlyADoubleClickOnARowConnects) {
  std::vector<int> rows;
  handlers.rowDoubleClicked = [&](int row) { rows.push_back(row); };
  SelectRow(0);
  const QRect second = list->visualRect(list->model()->index(1, 1));
  DoubleClick(second.center());
  DoubleClick(QPoint(second.center().x(), second.bottom() + 40));
  EXPECT_EQ(rows, std::vector<int>{1});
}

TEST_F(SwitchListPageTest, RefreshStartsDisabledAndIsTheDefaultButton) {
  int refreshes = 0;
  handlers.refreshClicked = [&] { ++refreshes; };
  auto* refresh = page.findChild<QPushButton*>("Button_RefreshSwitch");
  EXPECT_FALSE(refresh->isEnabled());
  EXPECT_EQ(refresh->toolTip(), QStringLiteral("单击刷新交换机信息"));

  list->setFocus();
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(refreshes, 0);
  page.EnableRefresh(true);
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_EQ(refreshes, 1);
}

}  // namespace
}  // namespace velkor
