#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace velkor::sim {

// The part of the EEPROM the chip loads into its registers at power-on: bytes 0x022-0x17D.
inline constexpr uint16_t kConfigBlockFirstByte = 0x022;
inline constexpr size_t kConfigBlockBytes = 348;
using ConfigBlock = std::array<uint8_t, kConfigBlockBytes>;

// The chip's load list: calls visit(reg, offset) for every register kept in the block, in load
// order; offset is the position of the register's little-endian word within a ConfigBlock.
void ForEachBlockRegister(const std::function<void(uint16_t reg, size_t offset)>& visit);

// Where reg's word sits in a ConfigBlock, or none when the block does not keep it.
std::optional<size_t> BlockOffsetOf(uint16_t reg);

uint16_t BlockWord(const ConfigBlock& block, size_t offset);
void PutBlockWord(ConfigBlock& block, size_t offset, uint16_t word);

}  // namespace velkor::sim
