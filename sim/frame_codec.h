#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "transport/mac.h"

namespace velkor::sim {

// The management frames as the switch firmware reads and writes them: EtherType 0x8899,
// protocol 1, opcode at 15 (a reply sets bit 7), key 0x5C,0x3A at 16-17, register address
// little-endian at 18-19, 32-bit data little-endian at 20-23, 60 bytes in all.
inline constexpr size_t kFrameBytes = 60;
inline constexpr uint8_t kOpHello = 0x00;
inline constexpr uint8_t kOpGet = 0x01;
inline constexpr uint8_t kOpSet = 0x02;
inline constexpr uint8_t kReplyBit = 0x80;

struct Request {
  Mac destination{};
  Mac source{};
  uint8_t opcode = 0;
  bool keyValid = false;
  uint16_t reg = 0;
  uint32_t value = 0;
};

// None for anything that is no management frame: too short, another EtherType or protocol.
std::optional<Request> ParseRequest(std::span<const uint8_t> frame);

// What a hello reply tells about the answering switch.
struct HelloAnswer {
  Mac switchMac{};
  uint8_t localPort = 0;  // the port the hello came in on
  uint8_t peerPort = 0;   // the upstream switch's port that leads here
  Mac peerMac{};          // the upstream switch; zero when the host is attached directly
  uint8_t modelCode = 0;
};

std::vector<uint8_t> BuildHelloReply(const Mac& host, const HelloAnswer& answer);
std::vector<uint8_t> BuildGetReply(const Mac& host, const Mac& switchMac, uint16_t reg, uint32_t value);

// Inserts an 802.1Q tag (0x81, 0x00 and the VLAN id) after the source MAC.
void InsertVlanTag(std::vector<uint8_t>& frame, uint16_t vid);

}  // namespace velkor::sim
