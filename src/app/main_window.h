#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <initializer_list>
#include <vector>

#include "app/shell_view.h"
#include "app/switch_list_page.h"
#include "pages/page.h"

class QComboBox;
class QLabel;
class QTabWidget;

namespace velkor {

class PortStatusPage;
class PortStatisticsPage;
class PortSettingsPage;
class GlobalSettingsPage;
class QosPage;
class VlanModePage;
class PortVlanTablePage;
class Dot1qGroupsPage;
class MirroringPage;
class SecurityPage;
class SaveResetPage;
class GeneralInfoPage;
class VlanInfoPage;
class DiagnosticsPage;
class EepromWriterPage;
class MacAddressPage;
class SwitchInfoPage;

// What the main window hands to the logic; unset entries do nothing, and an unset closeAllowed lets
// the window close.
struct ShellHandlers {
  std::function<void()> adapterChosen;  // the user picked a line of the adapter selector
  std::function<void()> rediscoverRequested;
  std::function<bool()> closeAllowed;  // asked whenever the window is about to close
  // A sheet became the current sheet.
  std::function<void()> networkSheetShown;
  std::function<void()> switchStatusSheetShown;
  std::function<void()> switchConfigurationSheetShown;
  std::function<void()> systemSheetShown;
  SwitchListHandlers switchList;
};

// Every page of the window, for the logic that fills them.
struct ShellPages {
  SwitchListPage* switchList;
  PortStatusPage* portStatus;
  PortStatisticsPage* portStatistics;
  GlobalSettingsPage* globalSettings;
  PortSettingsPage* portSettings;
  QosPage* qos;
  VlanModePage* vlan;
  PortVlanTablePage* portVlan;
  Dot1qGroupsPage* dot1qVlan;
  MirroringPage* mirroring;
  SecurityPage* security;
  SaveResetPage* saveReset;
  GeneralInfoPage* generalInfo;
  VlanInfoPage* vlanInfo;
  DiagnosticsPage* diagnostics;
  EepromWriterPage* eepromWriter;
  MacAddressPage* macAddress;
  SwitchInfoPage* switchInfo;
};

// The main window: adapter selector, connected-switch label and the sheets of pages. It holds no
// switch logic; the logic drives it through ShellView and hears from it through ShellHandlers.
class TForm1 : public QWidget, public ShellView {
  Q_OBJECT

 public:
  explicit TForm1(QWidget* parent = nullptr);

  void SetHandlers(ShellHandlers handlers) { handlers_ = std::move(handlers); }
  const ShellPages& Pages() const { return pages_; }
  // The pages that implement the page contract, for the connection news.
  std::vector<Page*> ContractPages() const;
  // Shows or hides the tab of page, which must be one of Pages().
  void SetPageVisible(QWidget* page, bool visible);
  // Makes page, which must be one of Pages(), the current page of its sheet without changing the
  // current sheet.
  void SelectPage(QWidget* page);
  // Whether page is in front: its sheet is the current sheet and it is that sheet's current page.
  bool PageInFront(const QWidget* page) const;
  // Ctrl+Shift+E: shows the pages and the list the program keeps hidden (port status, global
  // settings, mirroring, the management-port list and the engineering pages), or hides them
  // again. It lasts for this run; nothing else changes.
  void ToggleHiddenPages();

  void SetAdapterLines(const std::vector<std::string>& lines) override;
  int AdapterSelection() const override;
  void SelectAdapterLine(int index) override;
  void EnableAdapterSelector(bool enabled) override;
  void EnableRefresh(bool enabled) override;
  void SetConnectedLabel(const std::string& text) override;
  void SetSheetVisible(Sheet sheet, bool visible) override;
  bool SheetVisible(Sheet sheet) const override;
  void ShowSwitchInformationPage() override;
  void ShowStatisticsPage() override;
  void ClearSwitchList() override;
  void SetSwitchRows(const std::vector<SwitchRow>& rows) override;
  void PostRediscoverRequest() override;
  void PostCloseRequest() override;

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Tab {
    QWidget* page;
    const char* caption;
    bool shown;
  };

  void CreatePages();
  void AddSheet(Sheet sheet, const char* caption, std::initializer_list<Tab> tabs);
  void ShowPage(Sheet sheet, QWidget* page);
  void SheetShown(int index);
  void PageShown(QTabWidget* pages, int index);

  ShellHandlers handlers_;
  ShellPages pages_{};
  // While a sheet's handler runs, it fills the page it brings to the front itself.
  bool sheetShowing_ = false;
  bool hiddenPagesShown_ = false;
  QComboBox* adapters_;
  QLabel* connected_;
  QTabWidget* sheets_;
  std::array<QTabWidget*, 4> sheetTabs_{};
};

}  // namespace velkor
