#pragma once

#include <memory>

#include "device/connection_hooks.h"
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

// A command runs against one switch and then ends: there is no window for the connection to
// drive, no list to refill and no page to keep.
class CtlHooks : public ConnectionHooks {
 public:
  void RedoAdapterPick() override {}
  void ApplyModelControls(bool) override {}
  void SetConnectedLabel(const std::string&) override {}
  void EnableAdapterSelector(bool) override {}
  void ShowSwitchPages() override {}
  void HideSwitchPages() override {}
  void StopStatisticsTimer() override {}
  void PostRediscoverRequest() override {}
  void PostCloseRequest() override {}
  void RedrawSwitchInformation() override {}
  void ResetVlanTables(const PortLayout&, bool) override {}
  bool SaveSettings() override { return false; }
  void ZeroStatisticsCounts() override {}
};

}  // namespace velkor::cli
