#include "pages/ports/statistics_batch.h"

#include <algorithm>

namespace velkor {
namespace {

bool IsChipPort(int chipPort, int ports) { return chipPort >= 0 && chipPort < ports; }

}  // namespace

void StatisticsBatch::Read(StatisticsRegisters what, int portSlots) {
  unitEntries_.fill(-1);
  for (auto& entries : counterEntries_) entries.fill(-1);
  const bool units = what != StatisticsRegisters::kCounters;
  const bool counters = what != StatisticsRegisters::kUnits;

  engine_.BeginBatch();
  for (int q = 0; q < std::min(portSlots, kChipPorts); ++q) {
    if (units) unitEntries_[q / 2] = engine_.QueueRead(UnitRegister(q));
    if (!counters) continue;
    for (TrafficCounter c : kTrafficCounters)
      counterEntries_[static_cast<size_t>(c)][q] = engine_.QueueRead(CounterRegister(c, q));
  }
  engine_.TransmitBatch();
}

int StatisticsBatch::UnitEntry(int chipPort) const {
  return IsChipPort(chipPort, kChipPorts) ? unitEntries_[chipPort / 2] : -1;
}

int StatisticsBatch::CounterEntry(TrafficCounter counter, int chipPort) const {
  return IsChipPort(chipPort, kChipPorts) ? counterEntries_[static_cast<size_t>(counter)][chipPort] : -1;
}

std::optional<uint32_t> StatisticsBatch::Answer(int entry) const {
  if (!engine_.BatchAnswered(entry)) return std::nullopt;
  return engine_.BatchValue(entry);
}

std::optional<uint32_t> StatisticsBatch::Counter(TrafficCounter counter, int chipPort) const {
  return Answer(CounterEntry(counter, chipPort));
}

std::optional<CounterUnit> StatisticsBatch::Unit(TrafficCounter counter, int chipPort) const {
  const std::optional<uint32_t> value = Answer(UnitEntry(chipPort));
  if (!value) return std::nullopt;
  return DecodeUnit(*value, counter, chipPort);
}

bool StatisticsBatch::SetUnit(TrafficCounter counter, int chipPort, CounterUnit unit) {
  const int entry = UnitEntry(chipPort);
  if (!engine_.BatchAnswered(entry)) return false;
  engine_.SetBatchBits(entry, UnitMask(counter, chipPort), EncodeUnit(counter, chipPort, unit));
  return true;
}

}  // namespace velkor
