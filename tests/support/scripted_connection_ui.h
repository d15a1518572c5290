#pragma once

#include <deque>
#include <string>
#include <vector>

#include "device/connect_dialog.h"
#include "device/connection_events.h"
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
  void StartSpinner(const std::string& message, int limit, const std::function<bool()>&) override {
    spinners.emplace_back(message, limit);
  }

 private:
  struct Bar : Progress {
    explicit Bar(CountingProgressUi& ui) : ui_(ui) {}
    void StepIt() override { ++ui_.steps; }
    CountingProgressUi& ui_;
  };
};

// Records what the connection told the rest of the program.
class RecordingEvents : public ConnectionEvents {
 public:
  std::vector<std::string> calls;
  Outcome saveOutcome = Outcome::kDone;
  std::optional<bool> unsaved;  // what comparing the switch with its EEPROM would tell

  void Connected(int modelCode, const std::string& macText, const PortLayout&) override {
    calls.push_back("Connected " + std::to_string(modelCode) + " " + macText);
  }
  void Lost() override { calls.push_back("Lost"); }
  void Disconnected() override { calls.push_back("Disconnected"); }
  void Fatal() override { calls.push_back("Fatal"); }
  Outcome SaveRequested() override {
    calls.push_back("Save");
    return saveOutcome;
  }
  std::optional<bool> SettingsUnsaved() override { return unsaved; }
};

}  // namespace velkor::testing
