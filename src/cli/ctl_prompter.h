#pragma once

#include <ostream>

#include "cli/terminal.h"
#include "device/prompter.h"

namespace velkor::cli {

// Message boxes on the command line: each text goes to the error stream in the terminal's
// character set; a question is answered by --yes, by the user at a terminal, or else No.
class CtlPrompter : public Prompter {
 public:
  CtlPrompter(Terminal& terminal, std::ostream& err) : terminal_(terminal), err_(err) {}

  void AssumeYes(bool yes) { assumeYes_ = yes; }
  Answer Show(const Prompt& prompt) override;

 private:
  Terminal& terminal_;
  std::ostream& err_;
  bool assumeYes_ = false;
};

}  // namespace velkor::cli
