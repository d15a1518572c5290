#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "transport/progress.h"
#include "transport/switch_access.h"

namespace velkor {

// EEPROM addresses are 11 bits: byte 2048 of an image would land on byte 0 again.
inline constexpr uint32_t kEepromSize = 2048;

// The bytes of an image file for the EEPROM from address 0 on; none when it cannot be read. Reads
// at most one byte more than the EEPROM holds, enough to tell that a file is too large.
std::optional<std::vector<uint8_t>> ReadImageFile(const std::string& path);
inline bool FitsEeprom(std::span<const uint8_t> image) { return image.size() <= kEepromSize; }

// Where a burn stopped: the byte's address, and whether it read back (differently) or not at all.
struct BurnFailure {
  size_t address;
  bool answered;
};

// Writes image from EEPROM byte 0 on, reading each byte back before the next, and steps progress
// once per byte. Stops at the first byte that is not written, does not read back or reads back
// differently; the bytes before it stay written. The image must fit the EEPROM.
std::optional<BurnFailure> BurnImage(SwitchAccess& access, std::span<const uint8_t> image,
                                     Progress* progress);

}  // namespace velkor
