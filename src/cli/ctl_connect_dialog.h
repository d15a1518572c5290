#pragma once

#include <optional>
#include <ostream>
#include <string>

#include "cli/terminal.h"
#include "device/connect_dialog.h"

namespace velkor::cli {

// The password dialog on the command line: the password given (--password, --password-file or the
// environment), or asked for without echo at a terminal; or, for a recovery, the code from --code.
class CtlConnectDialog : public ConnectDialog {
 public:
  CtlConnectDialog(Terminal& terminal, std::ostream& err) : terminal_(terminal), err_(err) {}

  void UsePassword(std::optional<std::string> password) { password_ = std::move(password); }
  void UseRecoveryCode(std::string code) { code_ = std::move(code); }
  ConnectOutcome Run(const std::string& modelName, const std::string& macText) override;
  const std::optional<std::string>& PasswordUsed() const { return used_; }

 private:
  Terminal& terminal_;
  std::ostream& err_;
  std::optional<std::string> password_;
  std::optional<std::string> code_;
  std::optional<std::string> used_;
};

}  // namespace velkor::cli
