#pragma once

#include <deque>
#include <string>
#include <vector>

#include "device/connect_dialog.h"
#include "device/connection_hooks.h"
#include "device/progress_ui.h"

namespace velkor::testing {

// Plays the user in the connect dialog; an unscripted run closes the dialog.
class ScriptedConnectDialog : public ConnectDialog {
 public:
  std::deque<ConnectOutcome> outcomes;
  int runs = 0;
  ConnectOutcome Run(const std::string&, const std::string&) override {
    ++runs;
    if (outcomes.empty()) return {};
    ConnectOutcome next = outcomes.front();
    outcomes.pop_front();
    return next;
  }
};

// Counts bar steps and spinner ticks instead of drawing them.
class CountingProgressUi : public ProgressUi {
 public:
  int maximum = 0;
  int steps = 0;
  std::vector<std::pair<std::string, int>> spinners;

  std::unique_ptr<Progress> ShowProgress(int max) override {
    maximum = max;
    steps = 0;
    return std::make_unique<Bar>(*this);
  }
  void StartSpinner(const std::string& message, int limit) override { spinners.emplace_back(message, limit); }

 private:
  struct Bar : Progress {
    explicit Bar(CountingProgressUi& ui) : ui_(ui) {}
    void StepIt() override { ++ui_.steps; }
    CountingProgressUi& ui_;
  };
};

// Records what connecting and disconnecting asked of the rest of the program.
class RecordingHooks : public ConnectionHooks {
 public:
  std::vector<std::string> calls;
  std::string label;
  bool saveSucceeds = true;

  void RedoAdapterPick() override { calls.push_back("RedoAdapterPick"); }
  void ApplyModelControls(bool mcu) override {
    calls.push_back(mcu ? "ModelControls(mcu)" : "ModelControls");
  }
  void SetConnectedLabel(const std::string& text) override { label = text; }
  void EnableAdapterSelector(bool on) override { calls.push_back(on ? "SelectorOn" : "SelectorOff"); }
  void ShowSwitchPages() override { calls.push_back("ShowSwitchPages"); }
  void HideSwitchPages() override { calls.push_back("HideSwitchPages"); }
  void StopStatisticsTimer() override { calls.push_back("StopTimer"); }
  void PostRediscoverRequest() override { calls.push_back("PostRediscover"); }
  void PostCloseRequest() override { calls.push_back("PostClose"); }
  void RedrawSwitchInformation() override { calls.push_back("Redraw"); }
  void ResetVlanTables(const PortLayout&, bool) override { calls.push_back("ResetVlan"); }
  bool SaveSettings() override {
    calls.push_back("Save");
    return saveSucceeds;
  }
  void ZeroStatisticsCounts() override { calls.push_back("ZeroCounts"); }
};

}  // namespace velkor::testing
