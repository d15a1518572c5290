#pragma once

#include <string>
#include <vector>

namespace velkor {

enum class Sheet { kNetwork, kSwitchStatus, kSwitchConfiguration, kSystem };

// One row of the switch list.
struct SwitchRow {
  std::string modelName;  // "未知" rows are drawn red and cannot be connected to
  std::string macText;
  std::string description;  // already converted for display
  std::string upstream;     // where it hangs in the cascade, shown as the row's tooltip
};

// What the start-up, switch-list and connection logic does to the main window. The logic lives in
// widget-free classes; the window implements this and stays thin, and tests use a fake.
class ShellView {
 public:
  virtual ~ShellView() = default;

  // Adapter selector.
  virtual void SetAdapterLines(const std::vector<std::string>& lines) = 0;
  virtual int AdapterSelection() const = 0;  // -1 when nothing is selected
  virtual void SelectAdapterLine(int index) = 0;
  virtual void EnableAdapterSelector(bool enabled) = 0;
  virtual void EnableRefresh(bool enabled) = 0;

  virtual void SetConnectedLabel(const std::string& text) = 0;

  // Sheets and pages.
  virtual void SetSheetVisible(Sheet sheet, bool visible) = 0;
  virtual bool SheetVisible(Sheet sheet) const = 0;
  // Network sheet current, with its switch-information page in front.
  virtual void ShowSwitchInformationPage() = 0;
  // Switch-status sheet current, with the statistics page in front.
  virtual void ShowStatisticsPage() = 0;

  // Switch list.
  virtual void ClearSwitchList() = 0;
  virtual void SetSwitchRows(const std::vector<SwitchRow>& rows) = 0;

  // Deferred requests, delivered through the event loop after the current handler returns.
  virtual void PostRediscoverRequest() = 0;
  virtual void PostCloseRequest() = 0;
};

}  // namespace velkor
