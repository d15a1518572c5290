#include "cli/ctl_prompter.h"

#include <algorithm>

namespace velkor::cli {

Answer CtlPrompter::Show(const Prompt& prompt) {
  shown_.push_back(prompt);
  if (!prompt.HasYesNoCancel()) {
    err_ << "velkorctl: "
         << terminal_.Local(prompt.caption.empty() ? prompt.text : prompt.caption + ": " + prompt.text)
         << "\n";
    return Answer::kOk;
  }
  if (assumeYes_) return Answer::kYes;
  if (!terminal_.Interactive()) {
    err_ << "velkorctl: " << terminal_.Local(prompt.text) << " (not confirmed: give --yes)\n";
    return Answer::kNo;
  }
  const auto reply = terminal_.ReadLine(prompt.text + " [y/N] ", false);
  return reply && (*reply == "y" || *reply == "Y" || *reply == "yes") ? Answer::kYes : Answer::kNo;
}

bool CtlPrompter::Showed(std::string_view text) const {
  return std::any_of(shown_.begin(), shown_.end(), [&](const Prompt& p) { return p.text == text; });
}

}  // namespace velkor::cli
