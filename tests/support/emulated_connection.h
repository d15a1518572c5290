#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "device/connection.h"
#include "device/identification.h"
#include "device/spinner.h"
#include "sim/segment.h"
#include "support/scripted_connection_ui.h"
#include "support/scripted_prompter.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"
#include "transport/transport_session.h"

namespace velkor::testing {

// A spinner that lets its ticks pass on the virtual clock, as the modal dialog would in real time,
// until the work is finished.
class ClockedProgressUi : public CountingProgressUi {
 public:
  explicit ClockedProgressUi(Clock& clock) : clock_(clock) {}
  void StartSpinner(const std::string& message, int limit, const std::function<bool()>& finished) override {
    CountingProgressUi::StartSpinner(message, limit, finished);
    for (int tick = 0; tick < limit; ++tick) {
      clock_.SleepMs(Spinner::kTickMs);
      if (finished()) return;
    }
  }

 private:
  Clock& clock_;
};

// One emulated switch of the given model on the host's in-memory wire, discovered and connected
// with the factory password, with what connecting showed already cleared. Events hears what the
// connection tells the rest of the program.
template <class Events = RecordingEvents>
class EmulatedConnection {
 public:
  static constexpr Mac kHostMac{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};

  explicit EmulatedConnection(uint8_t modelCode) {
    segment.AddSwitch({.modelCode = modelCode});
    wire.AddDevice({"eth0", "test adapter", 0xC0A80001u}, kHostMac, &segment);
    transport.link.EnumerateAdapters();
    transport.link.OpenChannels(0);
    transport.discovery.Discover();
    dialog.outcomes.push_back({ConnectOutcome::Kind::kConnect, kFactoryPassword, ""});
    connected = connection.ConnectToSwitch(0).outcome == Outcome::kDone;
    prompter.shown.clear();
  }

  sim::EmulatedSwitch& Switch() { return segment.Switch(0); }
  sim::ManagementAgent& Agent() { return segment.Agent(0); }
  // Loses every reply to a read of reg from the next one on.
  void LoseReadsOf(uint16_t reg) {
    Agent().Faults().Add({.kind = sim::FaultKind::kLose, .target = sim::FaultTarget::kGet, .reg = reg});
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Prompt& p : prompter.shown) texts.push_back(p.text);
    return texts;
  }
  // The sets the switch took of reg since the last clear.
  std::vector<uint32_t> WritesOf(uint16_t reg) {
    std::vector<uint32_t> values;
    for (const auto& w : Agent().Writes())
      if (w.reg == reg) values.push_back(w.value);
    return values;
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
  Events events;
  Connection connection{transport, identifier, prompter, dialog, progress, busy, events};
  bool connected = false;
};

}  // namespace velkor::testing
