#pragma once

#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/terminal.h"

namespace velkor::cli {

// A password, or the reason none could be read.
struct PasswordText {
  std::optional<std::string> password;
  std::string error;  // set when a source was named but could not be read
};

// The text of a password file ("-" is standard input): one line, its line end not part of it.
PasswordText ReadPasswordFile(const std::string& path);

// The login password from --password, else --password-file, else the environment variable
// VELKOR_PASSWORD; none of them given leaves the password unset (a terminal is then asked).
// The last two keep the password out of the process list.
PasswordText LoginPassword(const Arguments& args, const Terminal& terminal);

}  // namespace velkor::cli
