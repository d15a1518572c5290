#pragma once

#include <sstream>

#include "support/fake_switch.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"
#include "transport/transport_session.h"

namespace velkor::testing {

inline constexpr Mac kHostMac{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
inline constexpr Mac kSwitchMac{0x00, 0xE0, 0x4C, 0x00, 0x00, 0x10};

// The whole transport on virtual time, wired to one endpoint on device "eth0".
struct TransportRig {
  explicit TransportRig(WireEndpoint& far) {
    wire.AddDevice({"eth0", "test adapter", 0xC0A80001u}, kHostMac, &far);
    link.EnumerateAdapters();
    link.OpenChannels(0);
  }
  // Discovers and selects the first switch, with its register filter installed.
  void Connect() {
    discovery.Discover();
    discovery.Select(0);
    link.SetRegisterFilter(discovery.SelectedMac());
  }
  const std::vector<std::vector<uint8_t>>& Sent() const { return wire.Sent("eth0"); }

  VirtualClock clock;
  MemoryWire wire{clock};
  std::ostringstream errors;
  BusyIndicator busy;
  TransportSession session{wire, clock, errors, busy};
  Link& link = session.link;
  Discovery& discovery = session.discovery;
  RegisterEngine& engine = session.engine;
  SwitchAccess& access = session.access;
  DescriptionCache& cache = session.cache;
  EepromBlocks& blocks = session.blocks;
};

}  // namespace velkor::testing
