#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <unordered_map>

#include "transport/register_image.h"

namespace velkor {

// Register values however they were got: a batch just read from the chip, or a stored
// configuration. None for a register the source has no value for (a lost reply, or a register the
// configuration block does not hold), so that decoders never mistake a gap for a zero.
using RegisterValues = std::function<std::optional<uint32_t>(uint16_t reg)>;

// The registers a configuration block holds, as the chip loads them at power-up. The key register
// and the placeholder word are no settings and have no value here.
inline RegisterValues ImageRegisterValues(const ConfigImage& block) {
  std::unordered_map<uint16_t, uint32_t> words;
  ForEachImageRegister([&](size_t, uint16_t reg, size_t offset) {
    if (reg != kKeyRegister && reg != kPlaceholderRegister) words[reg] = ImageWord(block, offset);
  });
  return [words = std::move(words)](uint16_t reg) -> std::optional<uint32_t> {
    const auto it = words.find(reg);
    return it == words.end() ? std::nullopt : std::optional(it->second);
  };
}

}  // namespace velkor
