#pragma once

#include <string>
#include <vector>

#include "cli/command.h"

namespace velkor::cli {

// An option a synopsis names, with what may follow it.
struct SynopsisOption {
  std::string name;                 // "--state"
  bool takesValue = false;          // "--rx LIMIT", "--state on|off"
  bool takesFile = false;           // "--new-password-file FILE|-"
  std::vector<std::string> values;  // the fixed choices, when the synopsis lists them ("on", "off")
};

// What a command's synopsis says it accepts, for the reference texts made from the command table:
// its keywords ("mode", "on", "dot1q"), its options and whether an operand is a file.
struct SynopsisWords {
  std::vector<std::string> keywords;
  std::vector<SynopsisOption> options;
  bool takesFile = false;
};

SynopsisWords WordsOf(const Command& command);

// The synopsis on one line and its trailing note ("(at most 8 GBK bytes)") apart.
struct SynopsisParts {
  std::string usage;
  std::string note;
};

SynopsisParts PartsOf(const Command& command);

}  // namespace velkor::cli
