#pragma once

#include <array>
#include <optional>
#include <string>

#include "device/connect_dialog.h"
#include "device/connection_events.h"
#include "device/identification.h"
#include "device/listed_descriptions.h"
#include "device/message_table.h"
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

// How a connection attempt ended: outcome kDone when the switch is connected; kNoAnswer when it
// could not be identified (the switch list is then out of date); kRefused for a row that cannot be
// connected to or a wrong password; kNotConfirmed when the dialog was closed. When the dialog asked
// for the factory password instead, recovery holds how that went and the switch stays unconnected.
struct LoginResult {
  Outcome outcome = Outcome::kNotConfirmed;
  std::optional<Outcome> recovery;
};

// Connecting (identification, model check, descriptions, password), the connection check every
// page runs first, and the ways a connection ends.
class Connection {
 public:
  Connection(TransportSession& transport, SwitchIdentifier& identifier, Prompter& prompter,
             ConnectDialog& dialog, ProgressUi& progress, BusyIndicator& busy, ConnectionEvents& events)
      : transport_(transport),
        identifier_(identifier),
        prompter_(prompter),
        dialog_(dialog),
        progress_(progress),
        busy_(busy),
        events_(events) {}

  LoginResult ConnectToSwitch(int row);
  bool CheckConnection();
  // The connected switch stopped answering: says so with message, then disconnects.
  void SwitchLost(MessageId message);
  void Disconnect(bool showNotice);
  void FatalSwitchError();
  // "断开连接": asks, offers to save, then disconnects; kNotConfirmed when the user did not agree.
  Outcome DisConnectBtnClick();
  // Whether the main window may close now; asks to save when settings are unsaved.
  bool FormClose();

  // Whether connecting reads the descriptions; a caller that shows none leaves them unread.
  void SetDescriptionsAtLogin(bool read) { descriptionsAtLogin_ = read; }
  // Fills the description caches from the switch; false, with the caches empty, when a read failed.
  bool ReadDescriptions() { return ReadDescriptions(std::nullopt); }
  // What the switch list read, for the connection attempt that follows it.
  ListedDescriptions& Listed() { return listed_; }

  const ConnectedSwitch& State() const { return state_; }
  void SetUnsaved(bool unsaved) { state_.unsaved = unsaved; }

 private:
  void Connected();
  // As ReadDescriptions, taking the switch description as listed when there is one.
  bool ReadDescriptions(const std::optional<SwitchDescriptionBytes>& listed);
  // Steps 6-8 of a password login: model byte, stored password, descriptions. False after the
  // error was shown.
  bool ReadLoginData(const std::string& modelName, const std::optional<SwitchDescriptionBytes>& listed,
                     std::array<uint8_t, 7>& stored);
  LoginResult LogIn(const std::string& modelName, const std::array<uint8_t, 7>& stored);
  Outcome RecoverPassword(const std::string& code);
  LoginResult SwitchInfoError();
  // Whether leaving should offer to save.
  bool SettingsUnsaved();

  TransportSession& transport_;
  SwitchIdentifier& identifier_;
  Prompter& prompter_;
  ConnectDialog& dialog_;
  ProgressUi& progress_;
  BusyIndicator& busy_;
  ConnectionEvents& events_;
  ConnectedSwitch state_;
  bool descriptionsAtLogin_ = true;
  ListedDescriptions listed_;
};

}  // namespace velkor
