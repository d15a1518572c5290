#include "raw_frames.h"

#include <algorithm>

namespace velkor::sim::testing {

std::vector<uint8_t> RawRequest(const Mac& to, uint8_t opcode, uint16_t reg, uint32_t value,
                                const Mac& from) {
  std::vector<uint8_t> f(60, 0);
  std::copy(to.begin(), to.end(), f.begin());
  std::copy(from.begin(), from.end(), f.begin() + 6);
  f[12] = 0x88;
  f[13] = 0x99;
  f[14] = 0x01;
  f[15] = opcode;
  f[16] = 0x5C;
  f[17] = 0x3A;
  f[18] = reg & 0xFF;
  f[19] = reg >> 8;
  f[20] = value & 0xFF;
  f[21] = value >> 8 & 0xFF;
  f[22] = value >> 16 & 0xFF;
  f[23] = value >> 24;
  return f;
}

std::vector<uint8_t> RawHello() { return RawRequest(kBroadcastMac, 0x00); }

uint16_t ReplyRegister(const std::vector<uint8_t>& reply) {
  return static_cast<uint16_t>(reply[18] | reply[19] << 8);
}

uint32_t ReplyData(const std::vector<uint8_t>& reply) {
  return reply[20] | reply[21] << 8 | reply[22] << 16 | static_cast<uint32_t>(reply[23]) << 24;
}

Mac MacAt(const std::vector<uint8_t>& frame, size_t offset) {
  Mac m;
  std::copy_n(frame.begin() + offset, 6, m.begin());
  return m;
}

std::vector<TimedFrame> RawHost::Send(const std::vector<uint8_t>& frame) {
  std::vector<TimedFrame> replies;
  segment_.OnHostFrame(frame, clock_.NowUs(), replies);
  return replies;
}

std::optional<uint32_t> RawHost::Read(const Mac& sw, uint16_t reg) {
  const auto replies = Send(RawRequest(sw, 0x01, reg));
  if (replies.empty()) return std::nullopt;
  return ReplyData(replies.front().bytes);
}

void RawHost::Write(const Mac& sw, uint16_t reg, uint32_t value) { Send(RawRequest(sw, 0x02, reg, value)); }

}  // namespace velkor::sim::testing
