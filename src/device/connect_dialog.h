#pragma once

#include <string>

namespace velkor {

// What the user did in the connect dialog.
struct ConnectOutcome {
  enum class Kind { kNone, kConnect, kRecover };
  Kind kind = Kind::kNone;
  std::string password;      // kConnect: the entered password, at most 6 characters
  std::string recoveryCode;  // kRecover: the entered recovery code, at most 10 characters
};

// The modal password dialog, behind a seam so connection tests script the user.
class ConnectDialog {
 public:
  virtual ~ConnectDialog() = default;
  virtual ConnectOutcome Run(const std::string& modelName, const std::string& macText) = 0;
};

}  // namespace velkor
