#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "transport/eeprom_blocks.h"
#include "transport/mac.h"

namespace velkor {

using SwitchDescriptionBytes = std::array<uint8_t, kSwitchDescriptionRead>;

// The switch descriptions the switch list has just read, so that connecting to a switch from the
// list does not read its description a second time. They serve only the first connection attempt
// after the list was filled, and only while fresh: a description another tool has changed since
// must not be shown as the switch's.
class ListedDescriptions {
 public:
  // Long enough for a row picked soon after the list appeared; a text read before that is read again.
  static constexpr uint64_t kFreshUs = 10'000'000;

  void Clear() { readings_.clear(); }
  void Add(const Mac& mac, std::span<const uint8_t, kSwitchDescriptionRead> text, uint64_t readAtUs);
  // mac's description when it was read at most kFreshUs before nowUs. Forgets every reading.
  std::optional<SwitchDescriptionBytes> Take(const Mac& mac, uint64_t nowUs);

 private:
  struct Reading {
    Mac mac;
    SwitchDescriptionBytes text;
    uint64_t readAtUs;
  };
  std::vector<Reading> readings_;
};

}  // namespace velkor
