#include "transport/eeprom_update.h"

#include <vector>

namespace velkor {

namespace {
constexpr int kReasks = 3;

void Step(Progress* progress, StepAt stepAt, uint16_t addr) {
  if (progress && (stepAt == StepAt::kEveryByte || addr % 2 == 0)) progress->StepIt();
}
}  // namespace

std::optional<uint8_t> ReadEepromByteReasking(SwitchAccess& access, uint16_t addr) {
  for (int ask = 0; ask <= kReasks; ++ask) {
    if (const auto byte = access.ReadEepromByte(addr)) return byte;
    if (!access.AnswersWithIdentity()) return std::nullopt;
  }
  return std::nullopt;
}

EepromUpdate UpdateEepromRange(SwitchAccess& access, uint16_t addr, std::span<const uint8_t> bytes,
                               Progress* progress, StepAt stepAt) {
  std::vector<std::optional<uint8_t>> held(bytes.size());
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto a = static_cast<uint16_t>(addr + i);
    held[i] = access.ReadEepromByte(a);
    // A switch that has gone away is not written to at all, nor waited for byte by byte.
    if (!held[i] && !access.AnswersWithIdentity()) return {0, a, true};
  }
  EepromUpdate result;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto a = static_cast<uint16_t>(addr + i);
    if (held[i] != bytes[i]) {
      // A write that failed may have reached the EEPROM all the same: it counts.
      ++result.written;
      if (!access.WriteEepromByte(a, bytes[i])) return {result.written, a, true};
    }
    Step(progress, stepAt, a);
  }
  if (result.written == 0) {
    for (size_t i = 0; i < bytes.size(); ++i) Step(progress, stepAt, static_cast<uint16_t>(addr + i));
    return result;
  }
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto a = static_cast<uint16_t>(addr + i);
    const auto back = ReadEepromByteReasking(access, a);
    if (back != bytes[i]) return {result.written, a, !back};
    Step(progress, stepAt, a);
  }
  return result;
}

}  // namespace velkor
