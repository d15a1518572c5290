#pragma once

#include <string>
#include <vector>

#include "pages/ports/statistics_control.h"
#include "pages/switch/save_reset.h"
#include "support/emulated_connection.h"

namespace velkor::testing {

class RecordingStatistics : public StatisticsControl {
 public:
  std::vector<std::string> calls;
  void StopMIBRefreshing() override { calls.push_back("Stop"); }
  void EnterIdle() override { calls.push_back("Idle"); }
  void ShowFactoryUnits() override { calls.push_back("FactoryUnits"); }
};

class RecordingSaveResetView : public SaveResetView {
 public:
  int repaints = 0;
  int selections = 0;
  void Repaint() override { ++repaints; }
  void SelectMaintenancePages() override { ++selections; }
};

class FakeDescriptionView : public SwitchDescriptionView {
 public:
  std::string text;
  int repaints = 0;
  void Repaint() override { ++repaints; }
  void SetDescriptionText(const std::string& t) override { text = t; }
  std::string DescriptionText() const override { return text; }
};

// One emulated switch of the given model on the host's in-memory wire, discovered and connected
// with the factory password, and what the maintenance pages work with.
struct MaintenanceRig : EmulatedConnection<> {
  explicit MaintenanceRig(uint8_t modelCode) : EmulatedConnection(modelCode) {}

  size_t FramesSent() const { return wire.Sent("eth0").size(); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Prompt& p : prompter.shown) texts.push_back(p.text);
    return texts;
  }

  MaintenanceContext context{transport, identifier, connection, prompter, progress, busy};
};

}  // namespace velkor::testing
