#pragma once

#include <array>
#include <cstdint>

#include "sim/config_block.h"
#include "transport/mac.h"

namespace velkor::sim {

inline constexpr size_t kEepromBytes = 2048;
using EepromImage = std::array<uint8_t, kEepromBytes>;

inline constexpr uint16_t kEepromMacAddress = 0x012;
inline constexpr uint16_t kEepromModelByte = 0x01C;
inline constexpr uint16_t kEepromPassword = 0x1A2;

// The configuration block a switch of this model leaves the factory with. Codes 4, 5 and 6 have
// no block of their own and carry the 16-port block.
ConfigBlock DefaultConfigBlock(uint8_t modelCode);

// A new switch's whole EEPROM: its MAC, the model byte, the default block, the factory password
// "vemix" and empty descriptions; every other byte is 0.
EepromImage FactoryEeprom(uint8_t modelCode, const Mac& mac);

}  // namespace velkor::sim
