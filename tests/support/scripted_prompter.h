#pragma once

#include <deque>
#include <vector>

#include "device/prompter.h"

namespace velkor::testing {

// Records every message box and answers questions from a script. An unscripted question is
// answered Cancel, so a test that forgot to script one never proceeds by accident.
class ScriptedPrompter : public Prompter {
 public:
  std::vector<Prompt> shown;

  // The answers the next questions get, in order.
  void Script(Answer answer) { answers_.push_back(answer); }

  Answer Show(const Prompt& prompt) override {
    shown.push_back(prompt);
    if (!prompt.HasYesNoCancel()) return Answer::kOk;
    if (answers_.empty()) return Answer::kCancel;
    const Answer next = answers_.front();
    answers_.pop_front();
    return next;
  }

 private:
  std::deque<Answer> answers_;
};

}  // namespace velkor::testing
