#pragma once

#include <cstdint>
#include <string>

#include "pcap_handle.h"

namespace velkor::bench {

// What one action put on the wire, from the host's outgoing management frames.
struct WireCount {
  int frames = 0;        // get and set requests
  int roundTrips = 0;    // runs of get requests sent together, each waiting for its replies
  int eepromWrites = 0;  // EEPROM write commands (set of 0x0217 without the read bit)
};

// Watches the host's outgoing management frames. A get sent within gapUs of the get before it
// belongs to the same round trip.
class WireTally {
 public:
  bool Open(const std::string& iface, std::string& error);
  // Forgets what was sent so far.
  void Start();
  WireCount Take(double gapUs);

 private:
  PcapHandle handle_;
};

}  // namespace velkor::bench
