#pragma once

// The in-memory wire with the adapter's three channels open, built once per fuzzing process: an
// input then costs what its own frames cost, not the adapter's setup.
#include <cstdint>
#include <sstream>

#include "fuzz_frames.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"
#include "transport/link.h"

namespace velkor::fuzz {

// The high four bits of a frame's flags delay it by fewer than this many steps (each target sets
// the step).
inline constexpr int kArrivalSteps = 16;

struct FuzzWire {
  explicit FuzzWire(WireEndpoint* far) {
    wire.AddDevice({"eth0"}, kAdapter, far);
    wire.KeepSent("eth0", false);
    Require(link.EnumerateAdapters() == 0 && link.OpenChannels(0) == 0);
    // The register channel listens to the switch, as it does once one is selected: frames from
    // anyone else are not queued where nobody reads them.
    Require(link.SetRegisterFilter(kSwitch) == 0);
  }

  // Ends an input: lets every frame still on its way (at most lateUs from now) arrive, then drops
  // what the channels hold. The next input starts on an empty wire, and this one has freed what
  // it allocated (else libFuzzer looks for a leak after every input).
  void Clear(uint64_t lateUs) {
    clock.SleepUs(lateUs);
    for (CaptureChannel* c : {link.DiscoveryChannel(), link.SendChannel(), link.RegisterChannel()})
      c->DiscardPending();
  }

  VirtualClock clock;
  MemoryWire wire{clock};
  std::ostringstream errors;
  Link link{wire, errors};
};

}  // namespace velkor::fuzz
