#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

#include "transport/register_image.h"

namespace velkor {

// Register values however they were got: a batch just read from the chip, or a stored
// configuration. None for a register the source has no value for (a lost reply, or a register the
// configuration block does not hold), so that decoders never mistake a gap for a zero.
using RegisterValues = std::function<std::optional<uint32_t>(uint16_t reg)>;

// Where each chip register's word lies in a configuration block, from the lowest register the
// block holds to the highest; -1 for a register it does not hold.
inline constexpr uint16_t kFirstImageRegister = 0x0209;
inline constexpr uint16_t kLastImageRegister = 0x0615;
inline constexpr auto kImageOffsetOfRegister = [] {
  std::array<int16_t, kLastImageRegister - kFirstImageRegister + 1> offsets{};
  offsets.fill(-1);
  ForEachImageRegister([&](size_t, uint16_t reg, size_t offset) {
    if (reg >= kFirstImageRegister && reg <= kLastImageRegister)
      offsets[reg - kFirstImageRegister] = static_cast<int16_t>(offset);
  });
  return offsets;
}();
static_assert([] {
  bool inRange = true;
  ForEachImageRegister([&](size_t, uint16_t reg, size_t) {
    inRange &= reg == kPlaceholderRegister || (reg >= kFirstImageRegister && reg <= kLastImageRegister);
  });
  return inRange;
}());

// The registers a configuration block holds, as the chip loads them at power-up. The key register
// and the placeholder word are no settings and have no value here. A lookup is an index into a
// fixed table: the settings of one configuration look up hundreds of registers.
inline RegisterValues ImageRegisterValues(const ConfigImage& block) {
  return [block](uint16_t reg) -> std::optional<uint32_t> {
    if (reg < kFirstImageRegister || reg > kLastImageRegister || reg == kKeyRegister) return std::nullopt;
    const int16_t offset = kImageOffsetOfRegister[reg - kFirstImageRegister];
    return offset < 0 ? std::nullopt : std::optional<uint32_t>(ImageWord(block, static_cast<size_t>(offset)));
  };
}

}  // namespace velkor
