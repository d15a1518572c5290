#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "device/connection.h"
#include "device/identification.h"
#include "device/spinner.h"
#include "pages/ports/statistics_control.h"
#include "pages/switch/save_reset.h"
#include "sim/segment.h"
#include "support/scripted_connection_ui.h"
#include "support/scripted_prompter.h"
#include "transport/memory_wire.h"
#include "transport/transport_session.h"

namespace velkor::testing {

inline constexpr Mac kRigHostMac{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};

// A spinner that lets its ticks pass on the virtual clock, as the modal dialog would in real time.
class ClockedProgressUi : public CountingProgressUi {
 public:
  explicit ClockedProgressUi(Clock& clock) : clock_(clock) {}
  void StartSpinner(const std::string& message, int limit) override {
    CountingProgressUi::StartSpinner(message, limit);
    clock_.SleepMs(static_cast<uint64_t>(limit) * Spinner::kTickMs);
  }

 private:
  Clock& clock_;
};

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
// with the factory password.
struct MaintenanceRig {
  explicit MaintenanceRig(uint8_t modelCode) {
    segment.AddSwitch({.modelCode = modelCode});
    wire.AddDevice({"eth0", "test adapter", 0xC0A80001u}, kRigHostMac, &segment);
    transport.link.EnumerateAdapters();
    transport.link.OpenChannels(0);
    transport.discovery.Discover();
    dialog.outcomes.push_back({ConnectOutcome::Kind::kConnect, "vemix", ""});
    connected = connection.ConnectToSwitch(0);
    prompter.shown.clear();
  }

  sim::EmulatedSwitch& Switch() { return segment.Switch(0); }
  sim::ManagementAgent& Agent() { return segment.Agent(0); }
  size_t FramesSent() const { return wire.Sent("eth0").size(); }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Prompt& p : prompter.shown) texts.push_back(p.text);
    return texts;
  }

  VirtualClock clock;
  sim::Segment segment{clock};
  MemoryWire wire{clock};
  std::ostringstream errors;
  BusyIndicator busy;
  TransportSession transport{wire, clock, errors, busy};
  SwitchIdentifier identifier{transport.discovery, transport.link, transport.engine, transport.access};
  ScriptedPrompter prompter;
  ScriptedConnectDialog dialog;
  ClockedProgressUi progress{clock};
  RecordingHooks hooks;
  Connection connection{transport, identifier, prompter, dialog, progress, busy, hooks};
  MaintenanceContext context{transport, identifier, connection, prompter, progress, busy};
  bool connected = false;
};

}  // namespace velkor::testing
