#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "pages/ports/statistics_registers.h"
#include "transport/confirmed_read.h"
#include "transport/register_engine.h"

namespace velkor {

// Which statistics registers one exchange reads for every chip port slot.
enum class StatisticsRegisters { kUnits, kCounters, kAll };

// One batch exchange over the statistics registers: what the switch answered, chip port by chip
// port, and the unit changes to write back. A register whose reply was lost reads as none, so it
// is neither counted nor written back.
class StatisticsBatch {
 public:
  explicit StatisticsBatch(RegisterEngine& engine) : engine_(engine) {}

  // Queues what for chip ports 0 to portSlots - 1 and transmits; units that are to be written
  // back are read kConfirmed.
  void Read(StatisticsRegisters what, int portSlots, BatchReads reads = BatchReads::kShown);

  std::optional<uint32_t> Counter(TrafficCounter counter, int chipPort) const;
  std::optional<CounterUnit> Unit(TrafficCounter counter, int chipPort) const;
  // Sets counter's unit of chipPort in the batch; false, changing nothing, when its unit register
  // was not read or got no reply.
  bool SetUnit(TrafficCounter counter, int chipPort, CounterUnit unit);
  // Writes every changed unit register once, with its whole new value.
  void Flush();

 private:
  static constexpr int kChipPorts = 26;

  struct UnitWord {
    std::optional<uint32_t> value;
    bool dirty = false;
  };

  RegisterEngine& engine_;
  std::array<UnitWord, kChipPorts / 2> units_{};
  std::array<std::array<std::optional<uint32_t>, kChipPorts>, kTrafficCounters.size()> counters_{};
};

}  // namespace velkor
