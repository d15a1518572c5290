#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "transport/register_image.h"

namespace velkor {

// Register values however they were got: a batch just read from the chip, or a stored
// configuration. None for a register the source has no value for (a lost reply, or a register the
// configuration block does not hold), so that decoders never mistake a gap for a zero.
using RegisterValues = std::function<std::optional<uint32_t>(uint16_t reg)>;

// The registers a configuration block holds, as the chip loads them at power-up. The key register
// and the placeholder word are no settings and have no value here.
inline RegisterValues ImageRegisterValues(const ConfigImage& block) {
  // One sorted table rather than a hash node per register (the map names each register once): the
  // settings of one configuration look up hundreds of registers.
  std::vector<std::pair<uint16_t, uint32_t>> words;
  words.reserve(kConfigBlockSize / 2);
  ForEachImageRegister([&](size_t, uint16_t reg, size_t offset) {
    if (reg != kKeyRegister && reg != kPlaceholderRegister) words.emplace_back(reg, ImageWord(block, offset));
  });
  std::sort(words.begin(), words.end());
  return [words = std::move(words)](uint16_t reg) -> std::optional<uint32_t> {
    const auto it = std::lower_bound(words.begin(), words.end(), std::pair<uint16_t, uint32_t>{reg, 0});
    return it == words.end() || it->first != reg ? std::nullopt : std::optional(it->second);
  };
}

}  // namespace velkor
