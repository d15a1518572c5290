#pragma once

#include <string>

#include "device/connect_dialog.h"
#include "device/connection_hooks.h"
#include "device/identification.h"
#include "device/progress_ui.h"
#include "device/prompter.h"
#include "transport/transport_session.h"

namespace velkor {

// The recovery code that restores the factory password.
inline constexpr const char* kRecoveryCode = "m7k2x9p4w1";
inline constexpr const char* kFactoryPassword = "vemix";

// The one switch the program manages, and how it got there.
struct ConnectedSwitch {
  bool connected = false;
  int modelCode = 0;
  std::string connectedMacText;
  bool unsaved = false;
  bool fatal = false;
};

// Connecting (identification, model check, descriptions, password), the connection check every
// page runs first, and the ways a connection ends.
class Connection {
 public:
  Connection(TransportSession& transport, SwitchIdentifier& identifier, Prompter& prompter,
             ConnectDialog& dialog, ProgressUi& progress, BusyIndicator& busy, ConnectionHooks& hooks)
      : transport_(transport),
        identifier_(identifier),
        prompter_(prompter),
        dialog_(dialog),
        progress_(progress),
        busy_(busy),
        hooks_(hooks) {}

  bool ConnectToSwitch(int row);
  bool CheckConnection();
  void Disconnect(bool showNotice);
  void FatalSwitchError();
  // "断开连接": asks, offers to save, then disconnects.
  void DisConnectBtnClick();
  // Whether the main window may close now; asks to save when settings are unsaved.
  bool FormClose();

  const ConnectedSwitch& State() const { return state_; }
  void SetUnsaved(bool unsaved) { state_.unsaved = unsaved; }

 private:
  void ShowSwitchPages();
  void Connected(const std::string& label);
  // Steps 6-8 of a password login: model byte, stored password, descriptions. False after the
  // error was shown and the adapter pick redone.
  bool ReadLoginData(const std::string& modelName, std::array<uint8_t, 7>& stored);
  bool ReadDescriptions();
  void RecoverPassword(const std::string& code);
  void SwitchInfoError();

  TransportSession& transport_;
  SwitchIdentifier& identifier_;
  Prompter& prompter_;
  ConnectDialog& dialog_;
  ProgressUi& progress_;
  BusyIndicator& busy_;
  ConnectionHooks& hooks_;
  ConnectedSwitch state_;
};

}  // namespace velkor
