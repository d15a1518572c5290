#include "pages/switch/save_reset_units.h"

#include "pages/ports/statistics_registers.h"

namespace velkor {

void ResetCounterUnits(RegisterEngine& engine, const PortLayout& layout) {
  for (int q = 0; q < layout.PortSlots(); ++q) engine.QueueRead(UnitRegister(q));
  for (int n = 0; n < layout.FeCount(); ++n) {
    const int p = layout.FePhyId(static_cast<size_t>(n));
    if (p < 0) continue;
    const int entry = engine.QueueRead(UnitRegister(p));
    engine.SetBatchBits(entry, PortUnitsMask(p), EncodePortUnits(p, CounterUnit::kFrames));
  }
  engine.FlushBatch();
}

}  // namespace velkor
