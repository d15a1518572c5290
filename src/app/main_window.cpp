#include "app/main_window.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTabWidget>

#include "app/event_hold.h"
#include "app/shell_font.h"
#include "pages/engineering/diagnostics_page.h"
#include "pages/engineering/eeprom_writer_page.h"
#include "pages/engineering/general_info_page.h"
#include "pages/engineering/mac_address_page.h"
#include "pages/engineering/vlan_info_page.h"
#include "pages/message_text.h"
#include "pages/ports/port_settings_page.h"
#include "pages/ports/port_statistics_page.h"
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

// The private window message 0x8514 with which a disconnect asks for a rediscovery, and the close
// request of a fatal error. Both are the program's own events, which long operations hold back.
QEvent::Type RediscoverEventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType(0x8514));
  return type;
}

QEvent::Type CloseEventType() {
  static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

Page* ContractOf(QWidget* widget) { return dynamic_cast<Page*>(widget); }

int SheetIndex(Sheet sheet) { return static_cast<int>(sheet); }

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      adapters_(new QComboBox(this)),
      connected_(new QLabel(MessageText(MessageId::kNotConnected), this)),
      sheets_(new QTabWidget(this)) {
  setWindowTitle(QStringLiteral("Velkor以太网交换机") + MessageText(MessageId::kVersionCaption));
  setFont(ShellFont());
  // Opens at its designed size; it may be resized and maximised, and the lists grow with it.
  resize(744, 589);

  adapters_->setObjectName(QStringLiteral("ComboBox1"));
  adapters_->setToolTip(QStringLiteral("请从下拉列表中选择一个网络接口"));
  adapters_->setMinimumWidth(360);
  connected_->setObjectName(QStringLiteral("ConnectedSwitch"));
  // Only the user's pick counts; the logic's own selections come through SelectAdapterLine.
  connect(adapters_, &QComboBox::activated, this, [this] {
    if (handlers_.adapterChosen) handlers_.adapterChosen();
  });

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("选择网络接口"), this), 0, 0);
  layout->addWidget(adapters_, 0, 1, Qt::AlignLeft);
  layout->addWidget(new QLabel(QStringLiteral("当前连接的交换机"), this), 1, 0);
  layout->addWidget(connected_, 1, 1);
  layout->addWidget(sheets_, 2, 0, 1, 2);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(2, 1);

  CreatePages();
  connect(sheets_, &QTabWidget::currentChanged, this, &TForm1::SheetShown);
  SetSheetVisible(Sheet::kSwitchStatus, false);
  SetSheetVisible(Sheet::kSwitchConfiguration, false);
  SetSheetVisible(Sheet::kSystem, false);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E), this), &QShortcut::activated, this,
          &TForm1::ToggleHiddenPages);

  if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

void TForm1::CreatePages() {
  pages_.switchList = new SwitchListPage(handlers_.switchList);
  pages_.portStatus = new PortStatusPage;
  pages_.portStatistics = new PortStatisticsPage;
  pages_.globalSettings = new GlobalSettingsPage;
  pages_.portSettings = new PortSettingsPage;
  pages_.qos = new QosPage;
  pages_.vlan = new VlanModePage;
  pages_.portVlan = new PortVlanTablePage;
  pages_.dot1qVlan = new Dot1qGroupsPage;
  pages_.mirroring = new MirroringPage;
  pages_.security = new SecurityPage;
  pages_.saveReset = new SaveResetPage;
  pages_.generalInfo = new GeneralInfoPage;
  pages_.vlanInfo = new VlanInfoPage;
  pages_.diagnostics = new DiagnosticsPage;
  pages_.eepromWriter = new EepromWriterPage;
  pages_.macAddress = new MacAddressPage;
  pages_.switchInfo = new SwitchInfoPage;

  AddSheet(Sheet::kNetwork, "网络", {{pages_.switchList, "交换机信息", true}});
  AddSheet(Sheet::kSwitchStatus, "交换机状态",
           {{pages_.portStatus, "端口状态", false}, {pages_.portStatistics, "端口统计信息", true}});
  // The two VLAN tables start hidden; the VLAN page shows the one its mode uses.
  AddSheet(Sheet::kSwitchConfiguration, "交换机功能设置",
           {{pages_.globalSettings, "全局设置", false},
            {pages_.portSettings, "端口设置", true},
            {pages_.qos, "QoS设置", true},
            {pages_.vlan, "VLAN设置", true},
            {pages_.portVlan, "基于端口的VLAN设置", false},
            {pages_.dot1qVlan, "802.1Q VLAN设置", false},
            {pages_.mirroring, "端口镜像设置", false},
            {pages_.security, "安全设置", true}});
  AddSheet(Sheet::kSystem, "交换机系统设置及断开连接",
           {{pages_.saveReset, "恢复与保存设置及断开连接", true},
            {pages_.generalInfo, "General Information", false},
            {pages_.vlanInfo, "VLAN Related Information", false},
            {pages_.diagnostics, "MAC/PHY/EEPROM Diagnostics", false},
            {pages_.eepromWriter, "EEPROM Writer", false},
            {pages_.macAddress, "Set MAC Address", false},
            {pages_.switchInfo, "交换机信息设置", true}});
}

void TForm1::AddSheet(Sheet sheet, const char* caption, std::initializer_list<Tab> tabs) {
  auto* pages = new QTabWidget;
  for (const Tab& tab : tabs) {
    const int index = pages->addTab(tab.page, QString::fromUtf8(tab.caption));
    pages->setTabVisible(index, tab.shown);
  }
  sheets_->addTab(pages, QString::fromUtf8(caption));
  sheetTabs_[SheetIndex(sheet)] = pages;
  connect(pages, &QTabWidget::currentChanged, this, [this, pages](int index) { PageShown(pages, index); });
}

// The sheet's handler brings its first page to the front and fills it.
void TForm1::SheetShown(int index) {
  const std::function<void()>* shown[] = {&handlers_.networkSheetShown, &handlers_.switchStatusSheetShown,
                                          &handlers_.switchConfigurationSheetShown,
                                          &handlers_.systemSheetShown};
  if (index < 0 || index >= static_cast<int>(std::size(shown)) || !*shown[index]) return;
  sheetShowing_ = true;
  (*shown[index])();
  sheetShowing_ = false;
}

// A page that comes to the front of the sheet in view reads the chip afresh: what it showed last
// time may have changed since, on another page or by another program.
void TForm1::PageShown(QTabWidget* pages, int index) {
  if (sheetShowing_ || sheets_->currentWidget() != pages) return;
  if (Page* page = ContractOf(pages->widget(index))) page->Fill();
}

std::vector<Page*> TForm1::ContractPages() const {
  std::vector<Page*> contract;
  for (QTabWidget* pages : sheetTabs_)
    for (int i = 0; i < pages->count(); ++i)
      if (Page* page = ContractOf(pages->widget(i))) contract.push_back(page);
  return contract;
}

void TForm1::SetPageVisible(QWidget* page, bool visible) {
  for (QTabWidget* pages : sheetTabs_) {
    const int index = pages->indexOf(page);
    if (index >= 0) pages->setTabVisible(index, visible);
  }
}

void TForm1::ToggleHiddenPages() {
  hiddenPagesShown_ = !hiddenPagesShown_;
  const std::array<QWidget*, 8> hidden{pages_.portStatus,   pages_.globalSettings, pages_.mirroring,
                                       pages_.generalInfo,  pages_.vlanInfo,       pages_.diagnostics,
                                       pages_.eepromWriter, pages_.macAddress};
  for (QWidget* page : hidden) SetPageVisible(page, hiddenPagesShown_);
  pages_.security->SetManagementListVisible(hiddenPagesShown_);
}

void TForm1::SelectPage(QWidget* page) {
  for (QTabWidget* pages : sheetTabs_)
    if (pages->indexOf(page) >= 0) pages->setCurrentWidget(page);
}

bool TForm1::PageInFront(const QWidget* page) const {
  const int sheet = sheets_->currentIndex();
  return sheet >= 0 && sheetTabs_[sheet]->currentWidget() == page;
}

void TForm1::ShowPage(Sheet sheet, QWidget* page) {
  sheets_->setCurrentIndex(SheetIndex(sheet));
  sheetTabs_[SheetIndex(sheet)]->setCurrentWidget(page);
}

void TForm1::SetAdapterLines(const std::vector<std::string>& lines) {
  const QSignalBlocker blocker(adapters_);
  adapters_->clear();
  for (const std::string& line : lines) adapters_->addItem(QString::fromStdString(line));
  adapters_->setCurrentIndex(-1);
}

int TForm1::AdapterSelection() const { return adapters_->currentIndex(); }

void TForm1::SelectAdapterLine(int index) {
  const QSignalBlocker blocker(adapters_);
  adapters_->setCurrentIndex(index);
}

void TForm1::EnableAdapterSelector(bool enabled) { adapters_->setEnabled(enabled); }

void TForm1::EnableRefresh(bool enabled) { pages_.switchList->EnableRefresh(enabled); }

void TForm1::SetConnectedLabel(const std::string& text) { connected_->setText(QString::fromStdString(text)); }

void TForm1::SetSheetVisible(Sheet sheet, bool visible) {
  sheets_->setTabVisible(SheetIndex(sheet), visible);
}

bool TForm1::SheetVisible(Sheet sheet) const { return sheets_->isTabVisible(SheetIndex(sheet)); }

void TForm1::ShowSwitchInformationPage() { ShowPage(Sheet::kNetwork, pages_.switchList); }

void TForm1::ShowStatisticsPage() { ShowPage(Sheet::kSwitchStatus, pages_.portStatistics); }

void TForm1::ClearSwitchList() { pages_.switchList->Clear(); }

void TForm1::SetSwitchRows(const std::vector<SwitchRow>& rows) { pages_.switchList->SetRows(rows); }

void TForm1::PostRediscoverRequest() {
  QCoreApplication::postEvent(this, new RequestEvent(RediscoverEventType()));
}

void TForm1::PostCloseRequest() { QCoreApplication::postEvent(this, new RequestEvent(CloseEventType())); }

bool TForm1::event(QEvent* event) {
  if (event->type() == RediscoverEventType()) {
    if (handlers_.rediscoverRequested) handlers_.rediscoverRequested();
    return true;
  }
  if (event->type() == CloseEventType()) {
    close();
    return true;
  }
  return QWidget::event(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (handlers_.closeAllowed && !handlers_.closeAllowed()) {
    event->ignore();
  } else {
    event->accept();
  }
}

}  // namespace velkor
