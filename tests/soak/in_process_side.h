#pragma once

#include <sstream>

#include "sim/sim_options.h"
#include "soak/soak_runner.h"
#include "support/scripted_terminal.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"

namespace velkor::soak {

// The emulator and velkorctl in this process, on the in-memory wire and virtual time: quick and
// repeatable, for the test suite.
class InProcessSide final : public HostileSide {
 public:
  // An action that takes longer than this on the virtual clock counts as hung.
  static constexpr double kHangSeconds = 120;

  // false with error when the options do not build a segment.
  bool Build(const sim::SimOptions& options, std::string& error);
  sim::EmulatedSwitch& Switch() override { return segment_.Switch(0); }
  const sim::SwitchSetup& Setup() const override { return setup_; }
  std::optional<int> Run(const std::vector<std::string>& args, double& seconds) override;

 private:
  VirtualClock clock_;
  sim::Segment segment_{clock_};
  MemoryWire wire_{clock_};
  sim::SwitchSetup setup_;
  testing::ScriptedTerminal terminal_;
  std::ostringstream out_, err_;
};

}  // namespace velkor::soak
