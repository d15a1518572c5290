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

// Makes the EEPROM from byte 0 on hold image: reads it, writes only the bytes that differ, then reads
// the whole image back, stepping progress once per byte in each pass (kBurnSteps per byte). The
// failure names the first byte that could not be written or reads back wrong (or not at all). The
// image must fit the EEPROM.
inline constexpr int kBurnSteps = 2;
std::optional<BurnFailure> BurnImage(SwitchAccess& access, std::span<const uint8_t> image,
                                     Progress* progress);

}  // namespace velkor
