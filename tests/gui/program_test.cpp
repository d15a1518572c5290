#include "app/program.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <map>

#include "device/message_table.h"
#include "gui/program_rig.h"
#include "pages/engineering/diagnostics_page.h"
#include "pages/engineering/eeprom_writer_page.h"
#include "pages/engineering/general_info_page.h"
#include "pages/engineering/mac_address_page.h"
#include "pages/engineering/vlan_info_page.h"
#include "pages/ports/port_settings_page.h"
#include "pages/ports/port_status_page.h"
#include "pages/switch/global_settings_page.h"
#include "pages/switch/mirroring_page.h"
#include "pages/switch/qos_page.h"
#include "pages/switch/save_reset_page.h"
#include "pages/switch/security_page.h"
#include "pages/switch/switch_info_page.h"
#include "pages/vlan/vlan_mode_page.h"
#include "pages/vlan/vlan_table_pages.h"

namespace velkor {
namespace {

constexpr Mac kHost{0x02, 0, 0, 0, 0, 0x01};

ConnectOutcome Password(const std::string& p) { return {ConnectOutcome::Kind::kConnect, p, ""}; }

// The whole program as main() assembles it, on the offscreen platform, with emulated switches on
// the in-memory wire and the user's answers scripted.
class ProgramTest : public ::testing::Test, protected testing::ProgramRig {
 protected:
  // A QX-F16A, a QX-G26A and a switch of model code 5, on one adapter unless a test adds more.
  void AttachSwitches() {
    segment.AddSwitch({.modelCode = 1, .mac = {0x02, 0x10, 0, 0, 0, 0x01}});
    segment.AddSwitch({.modelCode = 6, .mac = {0x02, 0x10, 0, 0, 0, 0x02}});
    segment.AddSwitch({.modelCode = 5, .mac = {0x02, 0x10, 0, 0, 0, 0x03}});
    wire.AddDevice({"veth0", "", 0x0A000001u}, kHost, &segment);
  }
  void Start() {
    program.Start();
    QCoreApplication::processEvents();
  }

  QComboBox* Adapters() { return window.findChild<QComboBox*>("ComboBox1"); }
  QTableWidget* List() { return window.findChild<QTableWidget*>("ListView1"); }
  QString Label() { return window.findChild<QLabel*>("ConnectedSwitch")->text(); }
  int RowOf(const char* model) {
    for (int r = 0; r < List()->rowCount(); ++r)
      if (List()->item(r, 0)->text() == QString::fromUtf8(model)) return r;
    return -1;
  }
  std::vector<std::string> Shown() const {
    std::vector<std::string> texts;
    for (const Prompt& p : prompter.shown) texts.push_back(p.text);
    return texts;
  }
  void DoubleClick(QPoint at) {
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, at);
  }
  QPoint CentreOf(int row) { return List()->visualItemRect(List()->item(row, 0)).center(); }
  // Right-clicks the selected row and picks "连接交换机" if it is enabled; whether it was.
  bool PickConnectFromMenu() {
    bool enabled = false;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QAction* entry = menu->actions().first();
      enabled = entry->isEnabled();
      menu->setActiveAction(entry);
      QTest::keyClick(menu, Qt::Key_Return);
      if (menu->isVisible()) menu->close();
    });
    emit List()->customContextMenuRequested(QPoint(10, 10));
    return enabled;
  }
  // Writes text, with its terminator, into the EEPROM of switch i at addr.
  void Store(size_t i, uint16_t addr, const std::string& text) {
    for (size_t k = 0; k <= text.size(); ++k)
      segment.Switch(i).Eeprom().SetByte(static_cast<uint16_t>(addr + k), k < text.size() ? text[k] : 0);
  }
  QTabWidget* Sheets() { return window.findChildren<QTabWidget*>().first(); }
  QTabWidget* PagesOf(Sheet sheet) {
    return qobject_cast<QTabWidget*>(Sheets()->widget(static_cast<int>(sheet)));
  }
  // The user clicks the tab of page on sheet.
  void ShowPage(Sheet sheet, QWidget* page) {
    Sheets()->setCurrentIndex(static_cast<int>(sheet));
    PagesOf(sheet)->setCurrentWidget(page);
  }
  QString PortCell(int row, int column) {
    return window.findChild<QTableWidget*>("ListView7")->item(row, column)->text();
  }
  QString DescriptionEdit() { return window.findChild<QLineEdit*>("Edit1")->text(); }
  void ConnectTo(const char* model) {
    List()->selectRow(RowOf(model));
    dialog.outcomes = {Password("vemix")};
    ASSERT_TRUE(PickConnectFromMenu());
    ASSERT_TRUE(SwitchSheetsShown());
  }
  void Disconnect() {
    program.GetShell().GetConnection().Disconnect(false);
    QCoreApplication::processEvents();
  }
  bool SwitchSheetsShown() {
    return window.SheetVisible(Sheet::kSwitchStatus) && window.SheetVisible(Sheet::kSwitchConfiguration) &&
           window.SheetVisible(Sheet::kSystem) && !window.SheetVisible(Sheet::kNetwork);
  }
  // The VLAN page's radio button of mode 0 "禁止", 1 port-based or 2 802.1Q.
  QRadioButton* ModeButton(int mode) {
    return window.Pages().vlan->findChild<QRadioButton*>(QStringLiteral("Mode%1").arg(mode));
  }
  bool TabShown(QWidget* page) {
    QTabWidget* pages = PagesOf(Sheet::kSwitchConfiguration);
    return pages->isTabVisible(pages->indexOf(page));
  }
  bool ListShown() {
    return window.SheetVisible(Sheet::kNetwork) && !window.SheetVisible(Sheet::kSwitchStatus) &&
           !window.SheetVisible(Sheet::kSwitchConfiguration) && !window.SheetVisible(Sheet::kSystem);
  }
};

TEST_F(ProgramTest, OneAdapterIsPickedAndDiscoveredAtStart) {
  AttachSwitches();
  Start();
  EXPECT_FALSE(Adapters()->isEnabled());
  EXPECT_EQ(Adapters()->currentIndex(), 0);
  ASSERT_EQ(List()->rowCount(), 3);
  EXPECT_EQ(List()->item(RowOf("QX-F16A"), 0)->foreground().color(), QColor(0, 128, 0));
  EXPECT_EQ(List()->item(RowOf("未知"), 0)->foreground().color(), QColor(255, 0, 0));
  EXPECT_TRUE(ListShown());
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ProgramTest, SeveralAdaptersLeaveTheSelectorOnTheFirst) {
  AttachSwitches();
  wire.AddDevice({"veth1", "", 0x0A000101u}, kHost, nullptr);
  Start();
  EXPECT_TRUE(Adapters()->isEnabled());
  EXPECT_EQ(Adapters()->count(), 2);
  EXPECT_EQ(Adapters()->currentIndex(), 0);
  EXPECT_EQ(List()->rowCount(), 3);
  // The second adapter has nothing behind it.
  Adapters()->setCurrentIndex(1);
  emit Adapters()->activated(1);
  EXPECT_EQ(List()->rowCount(), 0);
  EXPECT_EQ(Shown(), std::vector<std::string>{std::string(Message(MessageId::kNoSwitchDetected))});
}

TEST_F(ProgramTest, NoAdapterIsSaid) {
  Start();
  EXPECT_EQ(Shown(), std::vector<std::string>{std::string(Message(MessageId::kNoNetworkInterface))});
  EXPECT_EQ(Adapters()->count(), 0);
  EXPECT_EQ(listingFailures, 0) << "an empty list is not a listing failure";
}

TEST_F(ProgramTest, NoSwitchIsSaidAtStartAndOnRefresh) {
  wire.AddDevice({"veth0", "", 0x0A000001u}, kHost, &segment);
  Start();
  EXPECT_EQ(Shown(), std::vector<std::string>{std::string(Message(MessageId::kNoSwitchDetected))});
  prompter.shown.clear();
  window.Pages().switchList->findChild<QPushButton*>()->click();
  EXPECT_EQ(Shown(), std::vector<std::string>{std::string(Message(MessageId::kNoSwitchDetected))});
  EXPECT_EQ(List()->rowCount(), 0);
}

TEST_F(ProgramTest, UnknownModelAndEmptySpaceConnectNothing) {
  AttachSwitches();
  Start();
  List()->selectRow(RowOf("未知"));
  EXPECT_FALSE(PickConnectFromMenu());
  DoubleClick(CentreOf(RowOf("未知")));
  DoubleClick(QPoint(10, List()->viewport()->height() - 5));
  EXPECT_EQ(dialog.runs, 0);
  EXPECT_TRUE(ListShown());
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ProgramTest, DoubleClickAndMenuBothConnect) {
  AttachSwitches();
  Start();
  dialog.outcomes = {Password("vemix")};
  DoubleClick(CentreOf(RowOf("QX-F16A")));
  EXPECT_EQ(dialog.runs, 1);
  EXPECT_TRUE(SwitchSheetsShown());
  EXPECT_TRUE(Label().startsWith(QStringLiteral("QX-F16A")));

  // The model with a microcontroller connects from the menu without a password.
  program.GetShell().GetConnection().Disconnect(false);
  QCoreApplication::processEvents();
  ASSERT_TRUE(ListShown());
  List()->selectRow(RowOf("QX-G26A"));
  EXPECT_TRUE(PickConnectFromMenu());
  EXPECT_EQ(dialog.runs, 1);
  EXPECT_TRUE(SwitchSheetsShown());
  EXPECT_TRUE(Label().startsWith(QStringLiteral("QX-G26A")));
}

TEST_F(ProgramTest, DisconnectRediscoversThroughThePostedRequest) {
  AttachSwitches();
  Start();
  dialog.outcomes = {Password("vemix")};
  DoubleClick(CentreOf(RowOf("QX-F16A")));
  ASSERT_TRUE(SwitchSheetsShown());
  const uint64_t hellos = segment.Agent(0).Frames().hellos;
  prompter.Script(Answer::kYes);  // disconnect
  prompter.Script(Answer::kNo);   // do not save
  program.GetShell().GetConnection().DisConnectBtnClick();
  EXPECT_EQ(Label(), QString::fromUtf8(Message(MessageId::kNotConnected).data()));
  QCoreApplication::processEvents();
  EXPECT_TRUE(ListShown());
  EXPECT_EQ(List()->rowCount(), 3);
  EXPECT_GT(segment.Agent(0).Frames().hellos, hellos) << "the list was refilled by a new discovery";
}

TEST_F(ProgramTest, CloseAsksToSaveOnlyUnsavedSettingsAndCanBeCancelled) {
  AttachSwitches();
  Start();
  dialog.outcomes = {Password("vemix")};
  DoubleClick(CentreOf(RowOf("QX-F16A")));
  ASSERT_TRUE(program.GetShell().GetConnection().State().unsaved);
  EXPECT_TRUE(program.GetShell().CloseRequested()) << "the chip holds what the EEPROM does";
  EXPECT_TRUE(prompter.shown.empty());
  segment.Switch(0).Poke(0x0400, 0x1234);
  prompter.Script(Answer::kCancel);
  EXPECT_FALSE(window.close());
  EXPECT_TRUE(window.isVisible());
  ASSERT_FALSE(prompter.shown.empty());
  EXPECT_EQ(prompter.shown.back().kind, MessageKind::kQuestion);
}

constexpr int kRxColumn = 2;
constexpr int kDescriptionColumn = 7;

TEST_F(ProgramTest, EverySwitchShowsItsOwnDescriptions) {
  AttachSwitches();
  Store(0, 0x200, "f16");
  Store(0, 0x22A, "desk");
  Store(1, 0x200, "g26");
  Store(1, 0x22A, "up");
  Store(2, 0x200, "five");
  Start();
  ConnectTo("QX-F16A");
  Disconnect();
  // The model with a microcontroller logs in without the EEPROM; its texts are its own all the same.
  ConnectTo("QX-G26A");
  ShowPage(Sheet::kSwitchConfiguration, window.Pages().portSettings);
  EXPECT_EQ(PortCell(0, kDescriptionColumn), QStringLiteral("up"));
  ShowPage(Sheet::kSystem, window.Pages().switchInfo);
  EXPECT_EQ(DescriptionEdit(), QStringLiteral("g26"));
}

// The EEPROM bytes the host asked the switch at mac for, and how often each.
std::map<uint16_t, int> EepromReads(const std::vector<std::vector<uint8_t>>& sent, const Mac& mac) {
  std::map<uint16_t, int> reads;
  for (const auto& f : sent) {
    const auto reg = static_cast<uint16_t>(f[18] | f[19] << 8);
    const auto data = static_cast<uint16_t>(f[20] | f[21] << 8);
    if (std::equal(mac.begin(), mac.end(), f.begin()) && f[15] == 0x02 && reg == 0x0217 && data & 0x0800)
      ++reads[data & 0x7FF];
  }
  return reads;
}

TEST_F(ProgramTest, ListingAndLoginReadEachEepromByteOnceWhileTheListIsFresh) {
  AttachSwitches();
  Store(0, 0x200, "f16");
  Start();
  ConnectTo("QX-F16A");
  const auto reads = EepromReads(wire.Sent("veth0"), segment.Switch(0).MacAddress());
  EXPECT_EQ(reads.count(0x200), 1u) << "the description shown in the list is the one connected with";
  for (const auto& [addr, n] : reads) EXPECT_EQ(n, 1) << std::hex << addr;
  ShowPage(Sheet::kSystem, window.Pages().switchInfo);
  EXPECT_EQ(DescriptionEdit(), QStringLiteral("f16"));

  // A list read long before the login is read again: another tool may have changed the text.
  Disconnect();
  Store(0, 0x200, "renamed");
  clock.SleepUs(ListedDescriptions::kFreshUs + 1);
  ConnectTo("QX-F16A");
  ShowPage(Sheet::kSystem, window.Pages().switchInfo);
  EXPECT_EQ(DescriptionEdit(), QStringLiteral("renamed"));
}

TEST_F(ProgramTest, ExportAndImportGoThroughTheFileDialogs) {
  AttachSwitches();
  Store(0, 0x200, "f16");
  Start();
  ConnectTo("QX-F16A");
  ShowPage(Sheet::kSystem, window.Pages().switchInfo);
  auto* page = window.Pages().switchInfo;
  const std::string path = (std::filesystem::temp_directory_path() / "velkor-program-config.bin").string();
  files.next = path;
  page->findChild<QPushButton*>("BtnBackup")->click();
  ASSERT_TRUE(std::filesystem::exists(path));

  page->findChild<QLineEdit*>("Edit1")->setText(QStringLiteral("changed"));
  page->findChild<QPushButton*>("Button7")->click();
  ASSERT_EQ(DescriptionEdit(), QStringLiteral("changed"));
  prompter.shown.clear();
  files.next.reset();
  page->findChild<QPushButton*>("BtnLoad")->click();
  EXPECT_TRUE(prompter.shown.empty()) << "a cancelled dialog asks nothing";
  files.next = path;
  prompter.Script(Answer::kYes);
  page->findChild<QPushButton*>("BtnLoad")->click();
  EXPECT_EQ(DescriptionEdit(), QStringLiteral("f16"));
  std::filesystem::remove(path);
}

TEST_F(ProgramTest, PagesReadTheSwitchEachTimeTheirTabIsShown) {
  AttachSwitches();
  Store(0, 0x200, "f16");
  Start();
  ConnectTo("QX-F16A");
  ShowPage(Sheet::kSwitchConfiguration, window.Pages().portSettings);
  ASSERT_EQ(PortCell(0, kRxColumn), QString::fromUtf8(Message(MessageId::kNoLimit).data()));
  segment.Switch(0).Poke(0x020A, 0x0404);
  PagesOf(Sheet::kSwitchConfiguration)->setCurrentWidget(window.Pages().qos);
  PagesOf(Sheet::kSwitchConfiguration)->setCurrentWidget(window.Pages().portSettings);
  EXPECT_EQ(PortCell(0, kRxColumn), QStringLiteral("1 Mbps"));

  ShowPage(Sheet::kSystem, window.Pages().switchInfo);
  ASSERT_EQ(DescriptionEdit(), QStringLiteral("f16"));
  // A factory reset erases the description; "修改" must not find the old one to write back.
  PagesOf(Sheet::kSystem)->setCurrentWidget(window.Pages().saveReset);
  prompter.Script(Answer::kYes);
  window.Pages().saveReset->findChild<QPushButton*>("Button5")->click();
  ASSERT_EQ(prompter.shown.back().text, Message(MessageId::kFactoryResetDone));
  PagesOf(Sheet::kSystem)->setCurrentWidget(window.Pages().switchInfo);
  EXPECT_EQ(DescriptionEdit(), QString());
}

constexpr uint16_t kVlanControl = 0x030B;

TEST_F(ProgramTest, TheVlanPageShowsTheModeAndAsksBeforeChangingIt) {
  AttachSwitches();
  segment.Switch(0).Poke(kVlanControl, 0x0001);  // port-based
  Start();
  ConnectTo("QX-F16A");
  EXPECT_TRUE(ModeButton(1)->isChecked());
  EXPECT_TRUE(TabShown(window.Pages().portVlan));
  EXPECT_FALSE(TabShown(window.Pages().dot1qVlan));

  prompter.Script(Answer::kNo);
  ModeButton(2)->click();
  EXPECT_TRUE(ModeButton(1)->isChecked());
  EXPECT_EQ(segment.Switch(0).Peek(kVlanControl), 0x0001u);
  EXPECT_FALSE(TabShown(window.Pages().dot1qVlan));

  prompter.Script(Answer::kYes);
  ModeButton(2)->click();
  EXPECT_TRUE(ModeButton(2)->isChecked() && ModeButton(2)->font().bold());
  EXPECT_EQ(segment.Switch(0).Peek(kVlanControl) & 0x0011, 0x0011u);
  EXPECT_EQ(segment.Switch(0).Peek(0x031F) & 0xFFF, 1u) << "group 1 is VID 1";
  EXPECT_TRUE(TabShown(window.Pages().dot1qVlan));
  EXPECT_FALSE(TabShown(window.Pages().portVlan));
  ShowPage(Sheet::kSwitchConfiguration, window.Pages().dot1qVlan);
  EXPECT_EQ(window.Pages().dot1qVlan->Groups()->item(0, 1)->text(), QStringLiteral("1"));
}

TEST_F(ProgramTest, EachConnectionStartsTheVlanPageAfresh) {
  AttachSwitches();
  segment.Switch(0).Poke(kVlanControl, 0x0011);  // 802.1Q
  segment.Switch(1).Poke(kVlanControl, 0x0010);  // no mode the page knows
  Start();
  ConnectTo("QX-F16A");
  ASSERT_TRUE(TabShown(window.Pages().dot1qVlan));
  Disconnect();
  ConnectTo("QX-G26A");
  for (int mode = 0; mode < 3; ++mode) EXPECT_FALSE(ModeButton(mode)->isChecked()) << mode;
  EXPECT_FALSE(TabShown(window.Pages().dot1qVlan)) << "no table page of the last switch";
  EXPECT_FALSE(window.Pages().vlan->TagMenu()->actions()[2]->isVisible()) << "no insert rule";
  int leakyGroups = 0;
  for (QGroupBox* group : window.Pages().vlan->findChildren<QGroupBox*>())
    if (group->title().contains(QStringLiteral("穿透"))) leakyGroups += group->isHidden();
  EXPECT_EQ(leakyGroups, 2) << "no leaky options";

  // The last switch's 802.1Q mode is forgotten: leaving this one's unknown mode asks nothing.
  ModeButton(1)->click();
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(segment.Switch(1).Peek(kVlanControl) & 0x0011, 0x0001u);
  EXPECT_TRUE(TabShown(window.Pages().portVlan));
}

TEST_F(ProgramTest, CtrlShiftETogglesEveryHiddenPageForThisRun) {
  AttachSwitches();
  Start();
  ConnectTo("QX-F16A");
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const ShellPages& p = window.Pages();
  const std::vector<std::pair<Sheet, QWidget*>> hidden{{Sheet::kSwitchStatus, p.portStatus},
                                                       {Sheet::kSwitchConfiguration, p.globalSettings},
                                                       {Sheet::kSwitchConfiguration, p.mirroring},
                                                       {Sheet::kSystem, p.generalInfo},
                                                       {Sheet::kSystem, p.vlanInfo},
                                                       {Sheet::kSystem, p.diagnostics},
                                                       {Sheet::kSystem, p.eepromWriter},
                                                       {Sheet::kSystem, p.macAddress}};
  const auto shown = [&](Sheet sheet, QWidget* page) {
    return PagesOf(sheet)->isTabVisible(PagesOf(sheet)->indexOf(page));
  };
  auto* managementList = p.security->findChild<QTableWidget*>("ManagementPortList");
  const auto press = [&] {
    QTest::keyClick(window.windowHandle(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
  };

  press();
  for (const auto& [sheet, page] : hidden) EXPECT_TRUE(shown(sheet, page)) << page->metaObject()->className();
  EXPECT_TRUE(managementList->isVisibleTo(p.security));
  EXPECT_TRUE(shown(Sheet::kSwitchConfiguration, p.qos));
  EXPECT_FALSE(shown(Sheet::kSwitchConfiguration, p.dot1qVlan)) << "the VLAN pages follow the mode still";

  // A page shown this way works: the diagnostics page reads the identity register.
  ShowPage(Sheet::kSystem, p.diagnostics);
  p.diagnostics->findChild<QLineEdit*>("MacAddress")->setText(QStringLiteral("0x207"));
  p.diagnostics->findChild<QPushButton*>("Button11")->click();
  EXPECT_EQ(p.diagnostics->findChild<QLineEdit*>("MacValue")->text(), QStringLiteral("0x00004140"));

  press();
  for (const auto& [sheet, page] : hidden)
    EXPECT_FALSE(shown(sheet, page)) << page->metaObject()->className();
  EXPECT_FALSE(managementList->isVisibleTo(p.security));
  EXPECT_TRUE(shown(Sheet::kSwitchConfiguration, p.qos));
}

}  // namespace
}  // namespace velkor
