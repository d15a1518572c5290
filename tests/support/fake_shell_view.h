#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/shell_view.h"

namespace velkor::testing {

// The main window as the shell logic sees it, recorded for tests.
class FakeShellView : public ShellView {
 public:
  std::vector<std::string> adapterLines;
  int selection = -1;
  bool selectorEnabled = true;
  bool refreshEnabled = false;
  std::string connectedLabel = "未连接";
  std::map<Sheet, bool> sheets{{Sheet::kNetwork, true}};
  std::vector<SwitchRow> rows;
  int rediscoverRequests = 0;
  int closeRequests = 0;
  int switchInfoShown = 0;
  int statisticsShown = 0;

  void SetAdapterLines(const std::vector<std::string>& lines) override {
    adapterLines = lines;
    selection = -1;
  }
  int AdapterSelection() const override { return selection; }
  void SelectAdapterLine(int index) override { selection = index; }
  void EnableAdapterSelector(bool enabled) override { selectorEnabled = enabled; }
  void EnableRefresh(bool enabled) override { refreshEnabled = enabled; }
  void SetConnectedLabel(const std::string& text) override { connectedLabel = text; }
  void SetSheetVisible(Sheet sheet, bool visible) override { sheets[sheet] = visible; }
  bool SheetVisible(Sheet sheet) const override {
    auto it = sheets.find(sheet);
    return it != sheets.end() && it->second;
  }
  void ShowSwitchInformationPage() override { ++switchInfoShown; }
  void ShowStatisticsPage() override { ++statisticsShown; }
  void ClearSwitchList() override { rows.clear(); }
  void SetSwitchRows(const std::vector<SwitchRow>& r) override { rows = r; }
  void PostRediscoverRequest() override { ++rediscoverRequests; }
  void PostCloseRequest() override { ++closeRequests; }
};

}  // namespace velkor::testing
