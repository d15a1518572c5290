#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "pcap_handle.h"
#include "transport/mac.h"

namespace velkor::bench {

// The floor a register read is measured against: one get request out, and the first frame the
// switch sends back, with nothing of the system in between.
class RawPingPong {
 public:
  bool Open(const std::string& iface, const Mac& adapter, const Mac& target, std::string& error);
  // Microseconds from send to reply, or none when no reply came within 100 ms.
  std::optional<double> RoundTripUs(uint16_t reg);
  // Microseconds from sending a get of each register back to back to the last reply, or none when
  // not all came back within 100 ms: the floor of a batch, the sends' own cost included.
  std::optional<double> BatchUs(std::span<const uint16_t> regs);

 private:
  PcapHandle handle_;
  Mac adapter_{}, target_{};
};

}  // namespace velkor::bench
