#include "pages/switch/save_reset_units.h"

namespace velkor {

namespace {
constexpr uint16_t kUnitRegisterBase = 0x0700;
constexpr uint32_t kUnitFieldMask = 0x3F;
constexpr uint32_t kAllFrames = 0x15;  // receive, transmit and drop units 1 (frames)
}  // namespace

void ResetCounterUnits(RegisterEngine& engine, const PortLayout& layout) {
  for (int q = 0; q < layout.PortSlots(); ++q)
    engine.QueueRead(static_cast<uint16_t>(kUnitRegisterBase + q / 2));
  for (int n = 0; n < layout.FeCount(); ++n) {
    const int p = layout.FePhyId(static_cast<size_t>(n));
    if (p < 0) continue;
    const int entry = engine.QueueRead(static_cast<uint16_t>(kUnitRegisterBase + p / 2));
    const int shift = 6 * (p % 2);
    engine.SetBatchBits(entry, kUnitFieldMask << shift, kAllFrames << shift);
  }
  engine.FlushBatch();
}

}  // namespace velkor
