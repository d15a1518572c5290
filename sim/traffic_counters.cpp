#include "sim/traffic_counters.h"

namespace velkor::sim {

namespace {
constexpr uint64_t kMicrosPerSecond = 1000000;

uint64_t RateIn(const TrafficRates& r, CounterUnit unit) {
  switch (unit) {
    case CounterUnit::kBytes:
      return r.bytes;
    case CounterUnit::kFrames:
      return r.frames;
    case CounterUnit::kCrcErrorFrames:
      return r.crcErrorFrames;
    case CounterUnit::kCollisionFrames:
      return r.collisionFrames;
  }
  return 0;
}

// The 6-bit unit field of a chip port within its unit register.
uint32_t UnitField(uint32_t unitRegister, uint8_t port) { return unitRegister >> (6 * (port & 1)) & 0x3F; }
}  // namespace

uint32_t TrafficCounters::Read(uint16_t reg) const {
  if (reg < kCounterBase) return units_[reg - kUnitBase];
  const unsigned index = reg - kCounterBase;
  return Value(static_cast<uint8_t>(index % kChipPorts), static_cast<Counter>(index / kChipPorts));
}

void TrafficCounters::Write(uint16_t reg, uint32_t value) {
  if (reg < kCounterBase) return WriteUnits(reg - kUnitBase, value);
  const unsigned index = reg - kCounterBase;
  SetValue(static_cast<uint8_t>(index % kChipPorts), static_cast<Counter>(index / kChipPorts), value);
}

void TrafficCounters::WriteUnits(size_t index, uint32_t value) {
  const uint32_t before = units_[index];
  units_[index] = value;
  for (uint8_t port = static_cast<uint8_t>(2 * index); port < 2 * index + 2; ++port)
    for (int c = 0; c < 3; ++c) {
      const uint32_t old = UnitField(before, port) >> (2 * c) & 3;
      const uint32_t now = UnitField(value, port) >> (2 * c) & 3;
      if (old != now) SetValue(port, static_cast<Counter>(c), 0);
    }
}

void TrafficCounters::Advance(uint64_t elapsedUs) {
  for (uint8_t port = 0; port < kChipPorts; ++port)
    for (int c = 0; c < 3; ++c) {
      Channel& ch = At(port, static_cast<Counter>(c));
      const uint64_t rate = RateIn(ch.rates, Unit(port, static_cast<Counter>(c)));
      if (rate == 0) continue;
      // 128 bits: a test may jump the virtual clock by days at gigabit rates.
      const unsigned __int128 counted = static_cast<unsigned __int128>(rate) * elapsedUs + ch.carryMicroUnits;
      ch.value += static_cast<uint32_t>(counted / kMicrosPerSecond);
      ch.carryMicroUnits = static_cast<uint64_t>(counted % kMicrosPerSecond);
    }
}

void TrafficCounters::SetRates(uint8_t port, Counter counter, const TrafficRates& rates) {
  At(port, counter).rates = rates;
}

void TrafficCounters::SetValue(uint8_t port, Counter counter, uint32_t value) {
  Channel& ch = At(port, counter);
  ch.value = value;
  ch.carryMicroUnits = 0;
}

CounterUnit TrafficCounters::Unit(uint8_t port, Counter counter) const {
  const uint32_t field = UnitField(units_[(port % kChipPorts) / 2], port);
  return static_cast<CounterUnit>(field >> (2 * static_cast<int>(counter)) & 3);
}

void TrafficCounters::ClearValues() {
  for (auto& port : channels_)
    for (Channel& ch : port) {
      ch.value = 0;
      ch.carryMicroUnits = 0;
    }
}

void TrafficCounters::Reset() {
  ClearValues();
  units_.fill(0);
}

}  // namespace velkor::sim
