#pragma once

#include <functional>
#include <vector>

#include "app/shell_view.h"
#include "device/connection.h"
#include "device/identification.h"
#include "pages/page.h"

namespace velkor {

// Start-up, the adapter pick and the switch list, without widgets: the main window forwards its
// events here and shows what this decides through ShellView. It hears of the connection and tells
// the pages.
class Shell : public ConnectionEvents {
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

  // The pages told of every connection and its end.
  void SetPages(std::vector<Page*> pages) { pages_ = std::move(pages); }
  // What saving the settings means; unset, a save that is asked for does nothing.
  void SetSave(std::function<Outcome()> save) { save_ = std::move(save); }
  // How to tell whether a save would keep anything; unset, nobody can tell.
  void SetUnsavedCheck(std::function<std::optional<bool>()> check) { unsavedCheck_ = std::move(check); }
  Connection& GetConnection() { return connection_; }
  SwitchIdentifier& Identifier() { return identifier_; }

  // ConnectionEvents.
  void Connected(int modelCode, const std::string& macText, const PortLayout& layout) override;
  void Lost() override;
  void Disconnected() override;
  void Fatal() override;
  Outcome SaveRequested() override;
  std::optional<bool> SettingsUnsaved() override;

 private:
  // Back to the list: the network sheet in front, the switch sheets hidden, the list cleared.
  void ReturnToSwitchList();
  // Picks the adapter and fills the list, or says that no switch answered.
  void PickAndList();
  void Connect(int row);
  std::string ReadDescription(size_t index);

  TransportSession& transport_;
  Prompter& prompter_;
  ShellView& view_;
  std::function<void()> onListingFailure_;
  SwitchIdentifier identifier_;
  Connection connection_;
  std::vector<Page*> pages_;
  std::function<Outcome()> save_;
  std::function<std::optional<bool>()> unsavedCheck_;
};

}  // namespace velkor
