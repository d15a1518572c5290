#include "transport/frame.h"

#include <algorithm>

namespace velkor {

namespace {

constexpr size_t kEtherTypeAt = 12;
constexpr size_t kOpcodeAt = 15;
// The longest offset read from an accepted reply: the tagged model word ends at 35.
constexpr size_t kShortestReply = 36;

ManagementFrame BuildRequest(const Mac& dst, const Mac& src, Opcode opcode, uint16_t reg, uint32_t data) {
  ManagementFrame f{};
  std::copy(dst.begin(), dst.end(), f.begin());
  std::copy(src.begin(), src.end(), f.begin() + 6);
  f[12] = 0x88;
  f[13] = 0x99;
  f[14] = 0x01;
  f[15] = static_cast<uint8_t>(opcode);
  f[16] = kAuthenticationKey >> 8;
  f[17] = kAuthenticationKey & 0xFF;
  f[18] = reg & 0xFF;
  f[19] = reg >> 8;
  for (int i = 0; i < 4; ++i) f[20 + i] = (data >> (8 * i)) & 0xFF;
  return f;
}

bool EtherTypeAt(std::span<const uint8_t> f, size_t at) { return f[at] == 0x88 && f[at + 1] == 0x99; }

std::optional<FrameLayout> AcceptReply(std::span<const uint8_t> f, const Mac& adapterMac, Opcode expected) {
  if (f.size() < kShortestReply) return std::nullopt;
  if (!std::equal(adapterMac.begin(), adapterMac.end(), f.begin())) return std::nullopt;
  const auto opcode = static_cast<uint8_t>(expected);
  if (EtherTypeAt(f, kEtherTypeAt)) {
    if (f[kOpcodeAt] != opcode) return std::nullopt;
    return FrameLayout{false};
  }
  if (EtherTypeAt(f, kEtherTypeAt + 4) && f[kOpcodeAt + 4] == opcode) return FrameLayout{true};
  return std::nullopt;
}

}  // namespace

ManagementFrame BuildHello(const Mac& adapterMac) {
  return BuildRequest(kBroadcastMac, adapterMac, Opcode::kHello, 0, 0);
}

ManagementFrame BuildGet(const Mac& adapterMac, const Mac& switchMac, uint16_t reg) {
  return BuildRequest(switchMac, adapterMac, Opcode::kGet, reg, 0);
}

ManagementFrame BuildSet(const Mac& adapterMac, const Mac& switchMac, uint16_t reg, uint32_t value) {
  return BuildRequest(switchMac, adapterMac, Opcode::kSet, reg, value);
}

std::optional<FrameLayout> IsHelloReply(std::span<const uint8_t> frame, const Mac& adapterMac) {
  return AcceptReply(frame, adapterMac, Opcode::kHelloReply);
}

std::optional<FrameLayout> IsGetReply(std::span<const uint8_t> frame, const Mac& adapterMac,
                                      const Mac& switchMac) {
  auto layout = AcceptReply(frame, adapterMac, Opcode::kGetReply);
  if (layout && !std::equal(switchMac.begin(), switchMac.end(), frame.begin() + 6)) return std::nullopt;
  return layout;
}

uint16_t ReplyRegister(std::span<const uint8_t> f, FrameLayout layout) {
  const size_t at = 18 + layout.Shift();
  return static_cast<uint16_t>(f[at] | f[at + 1] << 8);
}

uint32_t ReplyData(std::span<const uint8_t> f, FrameLayout layout) {
  const size_t at = 20 + layout.Shift();
  return static_cast<uint32_t>(f[at]) | static_cast<uint32_t>(f[at + 1]) << 8 |
         static_cast<uint32_t>(f[at + 2]) << 16 | static_cast<uint32_t>(f[at + 3]) << 24;
}

HelloFields ParseHelloReply(std::span<const uint8_t> f, FrameLayout layout) {
  const size_t s = layout.Shift();
  HelloFields h;
  std::copy_n(f.begin() + 6, 6, h.switchMac.begin());
  h.localPort = f[18 + s];
  h.peerPort = f[19 + s];
  std::copy_n(f.begin() + 20 + s, 6, h.peerMac.begin());
  std::copy_n(f.begin() + 26 + s, 2, h.helloWord.begin());
  std::copy_n(f.begin() + 28 + s, 4, h.modelWord.begin());
  return h;
}

}  // namespace velkor
