#include "pages/ports/statistics_registers.h"

#include "device/message_table.h"

namespace velkor {
namespace {

constexpr uint16_t kUnitBase = 0x0700;
constexpr uint16_t kCounterBase = 0x070D;
// Chip ports 0-25 in each counter array.
constexpr uint16_t kCounterArrayLength = 26;

int FieldShift(TrafficCounter counter, int chipPort) {
  return 6 * (chipPort & 1) + 2 * static_cast<int>(counter);
}

}  // namespace

uint16_t UnitRegister(int chipPort) { return static_cast<uint16_t>(kUnitBase + chipPort / 2); }

uint16_t CounterRegister(TrafficCounter counter, int chipPort) {
  return static_cast<uint16_t>(kCounterBase + kCounterArrayLength * static_cast<int>(counter) + chipPort);
}

uint32_t UnitMask(TrafficCounter counter, int chipPort) {
  return uint32_t{0x03} << FieldShift(counter, chipPort);
}

CounterUnit DecodeUnit(uint32_t unitRegister, TrafficCounter counter, int chipPort) {
  return static_cast<CounterUnit>((unitRegister >> FieldShift(counter, chipPort)) & 0x03);
}

uint32_t EncodeUnit(TrafficCounter counter, int chipPort, CounterUnit unit) {
  return static_cast<uint32_t>(unit) << FieldShift(counter, chipPort);
}

uint32_t PortUnitsMask(int chipPort) {
  uint32_t mask = 0;
  for (TrafficCounter counter : kTrafficCounters) mask |= UnitMask(counter, chipPort);
  return mask;
}

uint32_t EncodePortUnits(int chipPort, CounterUnit unit) {
  uint32_t bits = 0;
  for (TrafficCounter counter : kTrafficCounters) bits |= EncodeUnit(counter, chipPort, unit);
  return bits;
}

std::string_view UnitText(CounterUnit unit) {
  switch (unit) {
    case CounterUnit::kBytes:
      return Message(MessageId::kBytes);
    case CounterUnit::kFrames:
      return Message(MessageId::kFrames);
    case CounterUnit::kCrcErrorFrames:
      return Message(MessageId::kErrorFrames);
    case CounterUnit::kCollisionFrames:
      return Message(MessageId::kCollisionFrames);
  }
  return {};
}

std::optional<CounterUnit> UnitOfText(std::string_view text) {
  for (CounterUnit unit : {CounterUnit::kBytes, CounterUnit::kFrames, CounterUnit::kCrcErrorFrames,
                           CounterUnit::kCollisionFrames})
    if (UnitText(unit) == text) return unit;
  return std::nullopt;
}

}  // namespace velkor
