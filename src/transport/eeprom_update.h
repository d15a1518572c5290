#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "transport/progress.h"
#include "transport/switch_access.h"

namespace velkor {

// How bringing an EEPROM range up to date ended.
struct EepromUpdate {
  size_t written = 0;                // bytes that differed and were (or may have been) written
  std::optional<uint16_t> failedAt;  // the first address that could not be written or verified
  bool unanswered = false;           // it failed because the switch did not answer
  bool Verified() const { return !failedAt; }
};

// Which addresses move the progress bar, once in the write pass and once in the read-back.
enum class StepAt { kEveryByte, kEvenAddress };

// A byte read that is asked again, a few times, while the switch still answers its identity.
std::optional<uint8_t> ReadEepromByteReasking(SwitchAccess& access, uint16_t addr);

// Makes the EEPROM bytes from addr on equal to bytes: reads the range, writes only the bytes that
// differ (a byte that could not be read counts as differing), then reads the whole range back.
// Every write costs the EEPROM a write cycle and wears it, so an unchanged range costs none; when
// nothing was written, the first read, which found every byte as wanted, is the read-back.
EepromUpdate UpdateEepromRange(SwitchAccess& access, uint16_t addr, std::span<const uint8_t> bytes,
                               Progress* progress = nullptr, StepAt stepAt = StepAt::kEvenAddress);

}  // namespace velkor
