#pragma once

#include <functional>

#include "app/page_hooks.h"
#include "app/shell_view.h"
#include "device/connection.h"
#include "device/identification.h"

namespace velkor {

// Start-up, the adapter pick and the switch list, without widgets: the main window forwards its
// events here and shows what this decides through ShellView.
class Shell : public ConnectionHooks {
 public:
  Shell(TransportSession& transport, Prompter& prompter, ConnectDialog& dialog, ProgressUi& progress,
        BusyIndicator& busy, ShellView& view, std::function<void()> onListingFailure);

  // Main window construction: list the adapters and pick one when there is any.
  void Start();
  void FillAdapterSelector();
  // The selector's change handler.
  void SelectAdapter();
  // Re-enumerates, reopens the channels on the selected line and discovers; false when nothing
  // could be discovered on it.
  bool AdapterPick();
  void OnRediscoverRequest();
  void FillSwitchList();

  // Switch-list page handlers.
  void RefreshClick();
  void SwitchListDoubleClick(int row);
  bool ConnectMenuEnabled(int row) const;
  void ConnectMenuClick(int row);
  void NetworkSheetShow();

  // Whether the window may close.
  bool CloseRequested() { return connection_.FormClose(); }

  void SetPageHooks(PageHooks hooks) { pages_ = std::move(hooks); }
  Connection& GetConnection() { return connection_; }
  SwitchIdentifier& Identifier() { return identifier_; }

  // ConnectionHooks.
  void RedoAdapterPick() override;
  void ApplyModelControls(bool microcontrollerModel) override;
  void SetConnectedLabel(const std::string& text) override;
  void EnableAdapterSelector(bool enabled) override;
  void ShowSwitchPages() override;
  void HideSwitchPages() override;
  void StopStatisticsTimer() override;
  void PostRediscoverRequest() override;
  void PostCloseRequest() override;
  void RedrawSwitchInformation() override;
  void ResetVlanTables(const PortLayout& layout, bool microcontrollerModel) override;
  bool SaveSettings() override;
  void ZeroStatisticsCounts() override;

 private:
  // Back to the list: the network sheet in front, the switch sheets hidden, the list cleared.
  void ReturnToSwitchList();
  // Picks the adapter and fills the list, or says that no switch answered.
  void PickAndList();
  std::string ReadDescription(size_t index);

  TransportSession& transport_;
  Prompter& prompter_;
  ShellView& view_;
  std::function<void()> onListingFailure_;
  SwitchIdentifier identifier_;
  Connection connection_;
  PageHooks pages_;
};

}  // namespace velkor
