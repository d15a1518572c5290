#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "pages/ports/statistics_registers.h"

namespace velkor {

// The running 64-bit total of one 32-bit hardware counter that wraps.
class CounterTotal {
 public:
  // Counting starts afresh from raw, the hardware value now; without one (a lost reply) the
  // next reading becomes the starting point instead of being counted.
  void Start(std::optional<uint32_t> raw);
  // After a unit change: the chip starts the counter again at 0.
  void Restart() { Start(0); }
  // Adds what was counted since the previous reading, allowing for one wrap of the counter.
  void Take(uint32_t raw);
  uint64_t Total() const { return total_; }

 private:
  uint64_t total_ = 0;
  uint32_t last_ = 0;
  bool hasLast_ = false;
};

// The totals of one list row: receive, transmit, drop.
using RowTotals = std::array<CounterTotal, kTrafficCounters.size()>;

}  // namespace velkor
