#pragma once

#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/arguments.h"
#include "cli/ctl_connect_dialog.h"
#include "cli/ctl_connection_ui.h"
#include "cli/ctl_prompter.h"
#include "cli/terminal.h"
#include "device/connection.h"
#include "device/identification.h"
#include "transport/transport_session.h"

namespace velkor::cli {

// The steps every command shares: pick the adapter, open its channels, find the switch, log in.
class CtlSession {
 public:
  CtlSession(PacketBackend& backend, Clock& clock, Terminal& terminal, std::ostream& err);

  // Each returns an exit code, with the reason already on the error stream.
  int Enumerate();
  int OpenAdapter(const std::optional<std::string>& iface);
  // Says hello on the open adapter; a hello or its reply may be lost like any other frame, so a
  // segment where nothing answered, or not the switch wanted, is asked again a few times.
  void Discover(const std::optional<Mac>& wanted = std::nullopt);
  // Discovers and selects the switch by MAC (or the only one).
  int SelectSwitch(const std::optional<std::string>& mac);
  // Identifies the selected switch, checks its model byte and logs in with its connection
  // password, exactly as the program's connect dialog does.
  int LogIn();
  // The same login, for the command that restores the factory password instead.
  LoginResult TryLogIn();
  // Everything a command that talks to one switch needs; answers questions with --yes.
  int Connect(const Arguments& args);
  // Restores the factory connection password of the switch args name with the recovery code.
  int RecoverPassword(const Arguments& args, const std::string& code);

  TransportSession& Transport() { return transport_; }
  SwitchIdentifier& Identifier() { return identifier_; }
  Connection& GetConnection() { return connection_; }
  CtlPrompter& Prompts() { return prompter_; }
  Terminal& GetTerminal() { return terminal_; }
  // The password the login used, as UTF-8; none before a login or after a recovery.
  const std::optional<std::string>& LoginPasswordUsed() const { return dialog_.PasswordUsed(); }
  ProgressUi& Progress() { return progress_; }
  BusyIndicator& Busy() { return busy_; }
  std::ostream& Err() { return err_; }

 private:
  // The transport's own diagnostics, passed on after each step.
  void ForwardDiagnostics();
  int Reach(const Arguments& args);

  std::ostream& err_;
  Terminal& terminal_;
  std::ostringstream errors_;
  BusyIndicator busy_;
  TransportSession transport_;
  CtlPrompter prompter_;
  CtlConnectDialog dialog_;
  CtlProgress progress_;
  // One command, then the end: nothing listens to the connection.
  ConnectionEvents events_;
  SwitchIdentifier identifier_;
  Connection connection_;
};

}  // namespace velkor::cli
