#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "sim/segment.h"
#include "testing/virtual_clock.h"
#include "transport/clock.h"

namespace velkor::sim::testing {

inline constexpr Mac kHost{0x02, 0xAA, 0x00, 0x00, 0x00, 0x01};

// A request written byte by byte, independent of both the system's and the emulator's codecs.
std::vector<uint8_t> RawRequest(const Mac& to, uint8_t opcode, uint16_t reg = 0, uint32_t value = 0,
                                const Mac& from = kHost);
std::vector<uint8_t> RawHello();

uint16_t ReplyRegister(const std::vector<uint8_t>& reply);
uint32_t ReplyData(const std::vector<uint8_t>& reply);
Mac MacAt(const std::vector<uint8_t>& frame, size_t offset);

// The host end of a segment on virtual time.
class RawHost {
 public:
  RawHost(Segment& segment, VirtualClock& clock) : segment_(segment), clock_(clock) {}

  std::vector<TimedFrame> Send(const std::vector<uint8_t>& frame);
  // One get; the data of the reply, none without a reply.
  std::optional<uint32_t> Read(const Mac& sw, uint16_t reg);
  void Write(const Mac& sw, uint16_t reg, uint32_t value);

 private:
  Segment& segment_;
  VirtualClock& clock_;
};

}  // namespace velkor::sim::testing
