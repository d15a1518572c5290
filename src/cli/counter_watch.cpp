#include "cli/counter_watch.h"

namespace velkor::cli {

std::string CounterName(TrafficCounter c) { return std::string(kCounterNames[static_cast<size_t>(c)]); }
std::string UnitName(CounterUnit u) { return std::string(kUnitNames[static_cast<size_t>(u)]); }

void WatchedPort::Start(const StatisticsBatch& batch, CountFrom from) {
  for (TrafficCounter counter : kTrafficCounters) {
    const size_t i = static_cast<size_t>(counter);
    if (from == CountFrom::kNow) {
      const auto raw = batch.Counter(counter, chipPort_);
      totals_[i].Start(raw);
      counted_[i] = raw.has_value();
    } else {
      totals_[i].Start(0);
    }
    units_[i] = batch.Unit(counter, chipPort_);
  }
}

PortReading WatchedPort::Take(const StatisticsBatch& batch) {
  PortReading reading;
  for (TrafficCounter counter : kTrafficCounters) {
    const size_t i = static_cast<size_t>(counter);
    const auto unit = batch.Unit(counter, chipPort_);
    if (unit && units_[i] && *unit != *units_[i]) totals_[i].Restart();
    if (unit) units_[i] = unit;
    // A lost reply is skipped: the total stands until the next reading.
    if (const auto raw = batch.Counter(counter, chipPort_)) {
      totals_[i].Take(*raw);
      counted_[i] = true;
    }
    reading.values[i] = totals_[i].Total();
    reading.units[i] = units_[i];
    reading.counted[i] = counted_[i];
  }
  return reading;
}

}  // namespace velkor::cli
