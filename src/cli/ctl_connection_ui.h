#pragma once

#include <memory>

#include "device/progress_ui.h"
#include "device/spinner.h"
#include "transport/clock.h"

namespace velkor::cli {

// Long operations on the command line: no bar to draw, and a spinner is just its wait.
class CtlProgress : public ProgressUi {
 public:
  explicit CtlProgress(Clock& clock) : clock_(clock) {}
  std::unique_ptr<Progress> ShowProgress(int) override {
    struct Silent : Progress {
      void StepIt() override {}
    };
    return std::make_unique<Silent>();
  }
  void StartSpinner(const std::string&, int limit) override { clock_.SleepMs(limit * Spinner::kTickMs); }

 private:
  Clock& clock_;
};

}  // namespace velkor::cli
