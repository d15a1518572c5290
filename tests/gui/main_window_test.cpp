#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include "pages/engineering/vlan_info_page.h"
#include "pages/ports/port_settings_page.h"
#include "pages/ports/port_statistics_page.h"

namespace velkor {
namespace {

QTabWidget* SheetControl(TForm1& window) { return window.findChildren<QTabWidget*>().first(); }

QTabWidget* PagesOf(TForm1& window, Sheet sheet) {
  return qobject_cast<QTabWidget*>(SheetControl(window)->widget(static_cast<int>(sheet)));
}

QComboBox* Selector(TForm1& window) { return window.findChild<QComboBox*>("ComboBox1"); }

TEST(MainWindowTest, WindowOpensAtItsSizeWithItsCaptionAndFont) {
  TForm1 window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Velkor以太网交换机管理软件 V2.4.11"));
  EXPECT_EQ(window.size(), QSize(744, 589));
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_EQ(window.font().family(), QStringLiteral("宋体"));
  EXPECT_EQ(window.font().pixelSize(), 13);
  EXPECT_EQ(window.findChild<QLabel*>("ConnectedSwitch")->text(), QStringLiteral("未连接"));
  EXPECT_EQ(Selector(window)->toolTip(), QStringLiteral("请从下拉列表中选择一个网络接口"));
}

// A QX-F24A's 26 ports fit a window on a 1280 x 1024 screen without scrolling.
TEST(MainWindowTest, ListsGrowWithTheWindow) {
  TForm1 window;
  window.SetSheetVisible(Sheet::kSwitchStatus, true);
  window.ShowStatisticsPage();
  std::vector<StatisticsRow> rows(26);
  window.Pages().portStatistics->SetRows(rows);
  auto* list = window.Pages().portStatistics->findChild<QTableWidget*>("ListView5");
  window.resize(1280, 960);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(25, 0))));
  EXPECT_FALSE(list->verticalScrollBar()->isVisible());
  EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
}

struct ExpectedTab {
  const char* caption;
  bool shown;
};

void ExpectTabs(QTabWidget* tabs, std::initializer_list<ExpectedTab> expected) {
  ASSERT_EQ(tabs->count(), static_cast<int>(expected.size()));
  int i = 0;
  for (const ExpectedTab& tab : expected) {
    EXPECT_EQ(tabs->tabText(i), QString::fromUtf8(tab.caption)) << i;
    EXPECT_EQ(tabs->isTabVisible(i), tab.shown) << tab.caption;
    ++i;
  }
}

TEST(MainWindowTest, SheetsAndPagesStartAsListedWithOnlyTheNetworkSheetShown) {
  TForm1 window;
  ExpectTabs(SheetControl(window), {{"网络", true},
                                    {"交换机状态", false},
                                    {"交换机功能设置", false},
                                    {"交换机系统设置及断开连接", false}});
  ExpectTabs(PagesOf(window, Sheet::kNetwork), {{"交换机信息", true}});
  ExpectTabs(PagesOf(window, Sheet::kSwitchStatus), {{"端口状态", false}, {"端口统计信息", true}});
  ExpectTabs(PagesOf(window, Sheet::kSwitchConfiguration), {{"全局设置", false},
                                                            {"端口设置", true},
                                                            {"QoS设置", true},
                                                            {"VLAN设置", true},
                                                            {"基于端口的VLAN设置", false},
                                                            {"802.1Q VLAN设置", false},
                                                            {"端口镜像设置", false},
                                                            {"安全设置", true}});
  ExpectTabs(PagesOf(window, Sheet::kSystem), {{"恢复与保存设置及断开连接", true},
                                               {"General Information", false},
                                               {"VLAN Related Information", false},
                                               {"MAC/PHY/EEPROM Diagnostics", false},
                                               {"EEPROM Writer", false},
                                               {"Set MAC Address", false},
                                               {"交换机信息设置", true}});
  EXPECT_EQ(PagesOf(window, Sheet::kSwitchStatus)->widget(1), window.Pages().portStatistics);
}

TEST(MainWindowTest, SwitchSheetsReplaceTheNetworkSheetAndComeBack) {
  TForm1 window;
  int networkShown = 0;
  window.SetHandlers({.networkSheetShown = [&] { ++networkShown; }});
  for (Sheet sheet : {Sheet::kSwitchStatus, Sheet::kSwitchConfiguration, Sheet::kSystem}) {
    window.SetSheetVisible(sheet, true);
  }
  window.SetSheetVisible(Sheet::kNetwork, false);
  window.ShowStatisticsPage();
  EXPECT_FALSE(window.SheetVisible(Sheet::kNetwork));
  EXPECT_EQ(SheetControl(window)->currentIndex(), static_cast<int>(Sheet::kSwitchStatus));
  EXPECT_EQ(PagesOf(window, Sheet::kSwitchStatus)->currentIndex(), 1);

  for (Sheet sheet : {Sheet::kSwitchStatus, Sheet::kSwitchConfiguration, Sheet::kSystem}) {
    window.SetSheetVisible(sheet, false);
  }
  window.SetSheetVisible(Sheet::kNetwork, true);
  window.ShowSwitchInformationPage();
  EXPECT_EQ(SheetControl(window)->currentIndex(), static_cast<int>(Sheet::kNetwork));
  EXPECT_FALSE(window.SheetVisible(Sheet::kSystem));
  EXPECT_EQ(networkShown, 1);
}

TEST(MainWindowTest, HiddenAndShownPagesChangeOnRequest) {
  TForm1 window;
  EXPECT_FALSE(PagesOf(window, Sheet::kSystem)->isTabVisible(2));
  window.SetPageVisible(window.Pages().vlanInfo, true);
  EXPECT_TRUE(PagesOf(window, Sheet::kSystem)->isTabVisible(2));
  QTabWidget* pages = PagesOf(window, Sheet::kSwitchConfiguration);
  window.SetPageVisible(window.Pages().portSettings, false);
  window.SetPageVisible(window.Pages().portSettings, true);
  EXPECT_TRUE(pages->isTabVisible(1));
}

TEST(MainWindowTest, OnlyTheUsersPickOfAnAdapterReachesTheLogic) {
  TForm1 window;
  int picks = 0;
  window.SetHandlers({.adapterChosen = [&] { ++picks; }});

  window.SetAdapterLines(
      {"IP地址(192.168.0.10)   MAC地址(00:1A:2B:3C:4D:5E)", "IP地址(10.0.0.2)   MAC地址(02:00:00:00:00:01)"});
  EXPECT_EQ(window.AdapterSelection(), -1);
  window.SelectAdapterLine(0);
  EXPECT_EQ(window.AdapterSelection(), 0);
  EXPECT_EQ(picks, 0);

  QTest::keyClick(Selector(window), Qt::Key_Down);
  EXPECT_EQ(window.AdapterSelection(), 1);
  EXPECT_EQ(picks, 1);
}

TEST(MainWindowTest, RediscoverRequestArrivesAfterTheCurrentHandlerReturns) {
  TForm1 window;
  int requests = 0;
  window.SetHandlers({.rediscoverRequested = [&] { ++requests; }});
  window.PostRediscoverRequest();
  EXPECT_EQ(requests, 0);
  QCoreApplication::sendPostedEvents(&window);
  EXPECT_EQ(requests, 1);
}

TEST(MainWindowTest, PostedCloseAsksTheLogicFirst) {
  TForm1 window;
  bool allow = false;
  int asked = 0;
  window.SetHandlers({.closeAllowed = [&] {
    ++asked;
    return allow;
  }});
  window.show();

  window.PostCloseRequest();
  EXPECT_TRUE(window.isVisible());
  QCoreApplication::sendPostedEvents(&window);
  QCoreApplication::processEvents();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(window.isVisible());

  allow = true;
  window.PostCloseRequest();
  QCoreApplication::processEvents();
  EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace velkor
