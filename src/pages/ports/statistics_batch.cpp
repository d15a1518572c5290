#include "pages/ports/statistics_batch.h"

#include <algorithm>
#include <vector>

namespace velkor {
namespace {

bool IsChipPort(int chipPort, int ports) { return chipPort >= 0 && chipPort < ports; }

}  // namespace

void StatisticsBatch::Read(StatisticsRegisters what, int portSlots, BatchReads reads) {
  units_ = {};
  counters_ = {};
  const bool units = what != StatisticsRegisters::kCounters;
  const bool counters = what != StatisticsRegisters::kUnits;
  const int slots = std::clamp(portSlots, 0, kChipPorts);

  std::vector<uint16_t> regs;
  for (int q = 0; q < slots; ++q) {
    if (units && q % 2 == 0) regs.push_back(UnitRegister(q));
    if (!counters) continue;
    for (TrafficCounter c : kTrafficCounters) regs.push_back(CounterRegister(c, q));
  }
  const std::vector<RegisterRead> read = ReadBatch(engine_, regs, reads);
  auto next = read.begin();
  const auto take = [&next](std::optional<uint32_t>& into) {
    if (next->answered) into = next->value;
    ++next;
  };
  for (int q = 0; q < slots; ++q) {
    if (units && q % 2 == 0) take(units_[q / 2].value);
    if (!counters) continue;
    for (TrafficCounter c : kTrafficCounters) take(counters_[static_cast<size_t>(c)][q]);
  }
}

std::optional<uint32_t> StatisticsBatch::Counter(TrafficCounter counter, int chipPort) const {
  if (!IsChipPort(chipPort, kChipPorts)) return std::nullopt;
  return counters_[static_cast<size_t>(counter)][chipPort];
}

std::optional<CounterUnit> StatisticsBatch::Unit(TrafficCounter counter, int chipPort) const {
  if (!IsChipPort(chipPort, kChipPorts) || !units_[chipPort / 2].value) return std::nullopt;
  return DecodeUnit(*units_[chipPort / 2].value, counter, chipPort);
}

bool StatisticsBatch::SetUnit(TrafficCounter counter, int chipPort, CounterUnit unit) {
  if (!IsChipPort(chipPort, kChipPorts) || !units_[chipPort / 2].value) return false;
  UnitWord& u = units_[chipPort / 2];
  const uint32_t mask = UnitMask(counter, chipPort);
  u.value = (EncodeUnit(counter, chipPort, unit) & mask) | (*u.value & ~mask);
  u.dirty = true;
  return true;
}

void StatisticsBatch::Flush() {
  engine_.BeginBatch();
  bool queued = false;
  for (size_t i = 0; i < units_.size(); ++i) {
    if (!units_[i].dirty) continue;
    engine_.QueueWrite(UnitRegister(static_cast<int>(2 * i)), *units_[i].value);
    units_[i].dirty = false;
    queued = true;
  }
  if (queued) engine_.TransmitBatch();
}

}  // namespace velkor
