#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "pages/ports/statistics_batch.h"
#include "pages/ports/statistics_totals.h"

namespace velkor::cli {

// The names the command line uses for counters and units.
inline constexpr std::array<std::string_view, 3> kCounterNames{"rx", "tx", "drop"};
inline constexpr std::array<std::string_view, 4> kUnitNames{"bytes", "frames", "crc", "collisions"};
std::string CounterName(TrafficCounter c);
std::string UnitName(CounterUnit u);

// What one port's counters read: values (raw or running totals) and units, none where unknown.
struct PortReading {
  std::array<uint64_t, 3> values{};
  std::array<std::optional<CounterUnit>, 3> units;
  // Whether the switch has given the counter at all; a value it never gave is no count.
  std::array<bool, 3> counted{};
};

// Where a watch's totals start: at 0 now, or at what the chip has counted since its own start (so
// the total goes on rising across the 32-bit wraps, as an exported counter must).
enum class CountFrom { kNow, kChipStart };

// The running totals of one port while watching. A unit change restarts the chip's counter at
// 0, so its total restarts too instead of counting the drop as a wrap.
class WatchedPort {
 public:
  WatchedPort(size_t row, int chipPort) : row_(row), chipPort_(chipPort) {}

  void Start(const StatisticsBatch& batch, CountFrom from);
  PortReading Take(const StatisticsBatch& batch);
  size_t Row() const { return row_; }

 private:
  size_t row_;
  int chipPort_;
  RowTotals totals_;
  std::array<std::optional<CounterUnit>, 3> units_;
  std::array<bool, 3> counted_{};
};

}  // namespace velkor::cli
