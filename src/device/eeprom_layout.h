#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// The configuration block (kConfigBlockStart, kConfigBlockSize, the register image map), the
// password and the description fields are defined with the operations that read and write them.
#include "transport/eeprom_blocks.h"
#include "transport/register_image.h"

namespace velkor {

inline constexpr uint16_t kEepromMacAddress = 0x012;  // first octet first
inline constexpr size_t kEepromMacSize = 6;
// Not interpreted, but import keeps it with the MAC address.
inline constexpr uint16_t kEepromByteAfterMac = 0x018;
inline constexpr uint16_t kEepromModelByte = 0x01C;
inline constexpr uint8_t kModelByteCodeBits = 0x0F;
inline constexpr uint16_t kConfigBlockEnd = kConfigBlockStart + kConfigBlockSize - 1;  // 0x17D
inline constexpr size_t kSwitchDescriptionAreaSize = 42;                               // 0x200-0x229
// Export and import carry every byte from 0x000 to the end of the port descriptions.
inline constexpr size_t kExportImageSize = 746;
static_assert(kExportImageSize == kDescriptionAreaEnd + 1u);

constexpr uint16_t PortDescriptionAddress(size_t port) {
  return static_cast<uint16_t>(kPortDescriptionAddress + kPortDescriptionSize * port);
}

// An inclusive run of EEPROM addresses.
struct EepromRange {
  uint16_t first;
  uint16_t last;
};

// The bytes of the configuration block that no register row covers. They are no registers: only a
// default block or a save template writes them.
inline constexpr std::array<EepromRange, 7> kConfigGapRanges{{
    {0x02A, 0x02D},
    {0x034, 0x037},
    {0x052, 0x05F},
    {0x062, 0x067},
    {0x06C, 0x06F},
    {0x074, 0x075},
    {0x07E, 0x07F},
}};

// Where EEPROM address sits in a ConfigImage (image byte 0 = EEPROM byte 0x022).
constexpr size_t ImageIndexOf(uint16_t eepromAddress) { return eepromAddress - kConfigBlockStart; }

// Where reg's word sits in a ConfigImage; none for a register outside the image.
std::optional<size_t> RegisterImageIndex(uint16_t reg);

}  // namespace velkor
