#include "sim/frame_codec.h"

#include <algorithm>

namespace velkor::sim {

namespace {
constexpr size_t kHeaderBytes = 24;

Mac MacAt(std::span<const uint8_t> frame, size_t offset) {
  Mac m;
  std::copy_n(frame.begin() + offset, m.size(), m.begin());
  return m;
}

std::vector<uint8_t> ReplyFrame(const Mac& host, const Mac& switchMac, uint8_t opcode) {
  std::vector<uint8_t> f(kFrameBytes, 0);
  std::copy(host.begin(), host.end(), f.begin());
  std::copy(switchMac.begin(), switchMac.end(), f.begin() + 6);
  f[12] = 0x88;
  f[13] = 0x99;
  f[14] = 0x01;
  f[15] = opcode;
  f[16] = 0x5C;
  f[17] = 0x3A;
  return f;
}
}  // namespace

std::optional<Request> ParseRequest(std::span<const uint8_t> frame) {
  if (frame.size() < kHeaderBytes || frame[12] != 0x88 || frame[13] != 0x99 || frame[14] != 0x01)
    return std::nullopt;
  Request r;
  r.destination = MacAt(frame, 0);
  r.source = MacAt(frame, 6);
  r.opcode = frame[15];
  r.keyValid = frame[16] == 0x5C && frame[17] == 0x3A;
  r.reg = static_cast<uint16_t>(frame[18] | frame[19] << 8);
  r.value = static_cast<uint32_t>(frame[20]) | static_cast<uint32_t>(frame[21]) << 8 |
            static_cast<uint32_t>(frame[22]) << 16 | static_cast<uint32_t>(frame[23]) << 24;
  return r;
}

std::vector<uint8_t> BuildHelloReply(const Mac& host, const HelloAnswer& answer) {
  std::vector<uint8_t> f = ReplyFrame(host, answer.switchMac, kOpHello | kReplyBit);
  f[18] = answer.localPort;
  f[19] = answer.peerPort;
  std::copy(answer.peerMac.begin(), answer.peerMac.end(), f.begin() + 20);
  f[30] = answer.modelCode;
  return f;
}

std::vector<uint8_t> BuildGetReply(const Mac& host, const Mac& switchMac, uint16_t reg, uint32_t value) {
  std::vector<uint8_t> f = ReplyFrame(host, switchMac, kOpGet | kReplyBit);
  f[18] = static_cast<uint8_t>(reg);
  f[19] = static_cast<uint8_t>(reg >> 8);
  for (int i = 0; i < 4; ++i) f[20 + i] = static_cast<uint8_t>(value >> (8 * i));
  return f;
}

void InsertVlanTag(std::vector<uint8_t>& frame, uint16_t vid) {
  const uint8_t tag[4] = {0x81, 0x00, static_cast<uint8_t>(vid >> 8 & 0x0F), static_cast<uint8_t>(vid)};
  frame.insert(frame.begin() + 12, std::begin(tag), std::end(tag));
}

}  // namespace velkor::sim
