#include "cli/ctl_prompter.h"

namespace velkor::cli {

Answer CtlPrompter::Show(const Prompt& prompt) {
  if (!prompt.HasYesNoCancel()) {
    err_ << "velkorctl: " << (prompt.caption.empty() ? prompt.text : prompt.caption + ": " + prompt.text)
         << "\n";
    return Answer::kOk;
  }
  if (assumeYes_) return Answer::kYes;
  if (!terminal_.Interactive()) {
    err_ << "velkorctl: " << prompt.text << " (not confirmed: give --yes)\n";
    return Answer::kNo;
  }
  const auto reply = terminal_.ReadLine(prompt.text + " [y/N] ", false);
  return reply && (*reply == "y" || *reply == "Y" || *reply == "yes") ? Answer::kYes : Answer::kNo;
}

}  // namespace velkor::cli
