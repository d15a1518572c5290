#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace velkor {

// The EEPROM configuration block that the chip loads its registers from at power-up.
inline constexpr uint16_t kConfigBlockStart = 0x022;
inline constexpr size_t kConfigBlockSize = 348;  // EEPROM bytes 0x022-0x17D
using ConfigImage = std::array<uint8_t, kConfigBlockSize>;

// One run of registers stored as little-endian words from an EEPROM offset on.
struct RegisterImageRow {
  uint16_t eepromOffset;
  uint16_t firstReg;
  uint16_t lastReg;
  uint16_t words;
};

inline constexpr std::array<RegisterImageRow, 14> kRegisterImageMap{{
    {0x22, 0x0300, 0x0300, 1},
    {0x24, 0x0307, 0x0308, 2},
    {0x28, 0x030B, 0x030B, 1},
    {0x2E, 0x0400, 0x0402, 3},
    {0x38, 0x0607, 0x0607, 1},
    {0x3A, 0x060A, 0x0615, 12},
    {0x60, 0xFFFF, 0xFFFF, 1},
    {0x68, 0x0608, 0x0609, 2},
    {0x70, 0x0209, 0x0209, 1},
    {0x72, 0x0219, 0x0219, 1},
    {0x76, 0x021B, 0x021C, 2},
    {0x7A, 0x021D, 0x021E, 2},
    {0x80, 0x020A, 0x0215, 12},
    {0x98, 0x030C, 0x037E, 115},
}};

// The key register is saved with the image but never loaded back into the chip.
inline constexpr uint16_t kKeyRegister = 0x0209;
// Saved from and loaded into "register" 0xFFFF, which is no chip register.
inline constexpr uint16_t kPlaceholderRegister = 0xFFFF;

// Calls fn(rowIndex, reg, imageOffset) for every register of the map, in row order; imageOffset
// is the word's position in a ConfigImage.
template <class Fn>
constexpr void ForEachImageRegister(Fn&& fn) {
  for (size_t row = 0; row < kRegisterImageMap.size(); ++row) {
    const RegisterImageRow& r = kRegisterImageMap[row];
    for (uint32_t w = 0; w < r.words && r.firstReg + w <= r.lastReg; ++w)
      fn(row, static_cast<uint16_t>(r.firstReg + w),
         static_cast<size_t>(r.eepromOffset - kConfigBlockStart + 2 * w));
  }
}

inline uint16_t ImageWord(const ConfigImage& image, size_t offset) {
  return static_cast<uint16_t>(image[offset] | image[offset + 1] << 8);
}

inline void SetImageWord(ConfigImage& image, size_t offset, uint16_t word) {
  image[offset] = word & 0xFF;
  image[offset + 1] = word >> 8;
}

}  // namespace velkor
