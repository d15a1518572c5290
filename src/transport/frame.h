#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "transport/mac.h"

namespace velkor {

inline constexpr size_t kFrameSize = 60;
inline constexpr uint16_t kAuthenticationKey = 0x5C3A;

enum class Opcode : uint8_t {
  kHello = 0x00,
  kGet = 0x01,
  kSet = 0x02,
  kHelloReply = 0x80,
  kGetReply = 0x81,
};

// The 60-byte layer-2 management request, EtherType 0x8899.
using ManagementFrame = std::array<uint8_t, kFrameSize>;

ManagementFrame BuildHello(const Mac& adapterMac);
ManagementFrame BuildGet(const Mac& adapterMac, const Mac& switchMac, uint16_t reg);
ManagementFrame BuildSet(const Mac& adapterMac, const Mac& switchMac, uint16_t reg, uint32_t value);

// Where an accepted reply keeps its fields: untagged, or moved by an 802.1Q tag after the source MAC.
struct FrameLayout {
  bool tagged = false;
  size_t Shift() const { return tagged ? 4 : 0; }
};

std::optional<FrameLayout> IsHelloReply(std::span<const uint8_t> frame, const Mac& adapterMac);
std::optional<FrameLayout> IsGetReply(std::span<const uint8_t> frame, const Mac& adapterMac,
                                      const Mac& switchMac);

// Fields of an accepted get reply.
uint16_t ReplyRegister(std::span<const uint8_t> frame, FrameLayout layout);
uint32_t ReplyData(std::span<const uint8_t> frame, FrameLayout layout);

// Fields of an accepted hello reply.
struct HelloFields {
  Mac switchMac{};
  uint8_t localPort = 0;
  uint8_t peerPort = 0;
  Mac peerMac{};
  std::array<uint8_t, 2> helloWord{};
  std::array<uint8_t, 4> modelWord{};
};
HelloFields ParseHelloReply(std::span<const uint8_t> frame, FrameLayout layout);

}  // namespace velkor
