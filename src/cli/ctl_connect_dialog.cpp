#include "cli/ctl_connect_dialog.h"

namespace velkor::cli {

ConnectOutcome CtlConnectDialog::Run(const std::string& modelName, const std::string& macText) {
  if (code_) return {ConnectOutcome::Kind::kRecover, {}, *code_};
  std::optional<std::string> password = password_;
  if (!password && terminal_.Interactive())
    password = terminal_.ReadLine("Connection password of " + modelName + " " + macText + ": ", true);
  if (!password) {
    err_ << "velkorctl: " << macText << " needs its connection password: give --password\n";
    return {};
  }
  // The switch compares GBK bytes; the connection converts from UTF-8, whatever the terminal uses.
  used_ = terminal_.FromLocal(*password);
  return {ConnectOutcome::Kind::kConnect, *used_, {}};
}

}  // namespace velkor::cli
