#pragma once

#include <span>

#include "pages/ports/statistics_registers.h"

namespace velkor {

// The list's pop-up menu: one sub-menu per counter, one item per unit it offers. The transmit
// counter offers no CRC-error unit, though it shows one read from the chip.
struct UnitMenu {
  const char* name;
  const char* caption;
  TrafficCounter counter;
  std::span<const CounterUnit> units;
};

inline constexpr CounterUnit kEveryUnit[] = {CounterUnit::kBytes, CounterUnit::kFrames,
                                             CounterUnit::kCrcErrorFrames, CounterUnit::kCollisionFrames};
inline constexpr CounterUnit kTransmitUnits[] = {CounterUnit::kBytes, CounterUnit::kFrames,
                                                 CounterUnit::kCollisionFrames};

inline constexpr UnitMenu kUnitMenus[] = {
    {"RXUnit1", "RX计数单位", TrafficCounter::kReceive, kEveryUnit},
    {"TXUnit1", "TX计数单位", TrafficCounter::kTransmit, kTransmitUnits},
    {"DiagUnit1", "帧丢弃计数单位", TrafficCounter::kDrop, kEveryUnit},
};

}  // namespace velkor
