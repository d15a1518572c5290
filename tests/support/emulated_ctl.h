#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/run_ctl.h"
#include "sim/segment.h"
#include "support/scripted_terminal.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"

namespace velkor::testing {

// velkorctl against one emulated switch on the in-memory wire, on virtual time.
class EmulatedCtlTest : public ::testing::Test {
 protected:
  // Attaches a switch of the model; the login prompt is answered with the factory password.
  void Start(uint8_t modelCode) { Start(sim::SwitchSetup{.modelCode = modelCode}); }
  void Start(const sim::SwitchSetup& setup) {
    segment.AddSwitch(setup);
    wire.AddDevice({"veth0", "", 0x0A000001u}, Mac{0x02, 0, 0, 0, 0, 0x01}, &segment);
    terminal.password = "vemix";
  }
  // Runs one command line; out and err then hold only what it wrote.
  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    return cli::RunCtl(args, wire, clock, terminal, out, err);
  }
  bool Says(const std::ostringstream& s, const std::string& text) const {
    return s.str().find(text) != std::string::npos;
  }
  sim::EmulatedSwitch& Switch() { return segment.Switch(0); }
  sim::ManagementAgent& Agent() { return segment.Agent(0); }

  VirtualClock clock;
  sim::Segment segment{clock};
  MemoryWire wire{clock};
  ScriptedTerminal terminal;
  std::ostringstream out, err;
};

}  // namespace velkor::testing
