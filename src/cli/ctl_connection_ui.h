#pragma once

#include <memory>

#include "device/progress_ui.h"
#include "device/spinner.h"
#include "transport/clock.h"

namespace velkor::cli {

// Long operations on the command line: no bar to draw, and a spinner is just its wait. With no
// dialog to keep turning, the wait asks whether the work is finished more often than a tick.
class CtlProgress : public ProgressUi {
 public:
  static constexpr uint64_t kPollMs = 50;

  explicit CtlProgress(Clock& clock) : clock_(clock) {}
  std::unique_ptr<Progress> ShowProgress(int) override {
    struct Silent : Progress {
      void StepIt() override {}
    };
    return std::make_unique<Silent>();
  }
  void StartSpinner(const std::string&, int limit, const std::function<bool()>& finished) override {
    const uint64_t deadline = clock_.NowUs() + static_cast<uint64_t>(limit) * Spinner::kTickMs * 1000;
    while (clock_.NowUs() < deadline && !finished()) clock_.SleepMs(kPollMs);
  }

 private:
  Clock& clock_;
};

}  // namespace velkor::cli
