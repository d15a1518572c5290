#include "pages/ports/port_settings_batch.h"

namespace velkor {

void RegisterBatch::Queue(uint16_t reg) {
  if (index_.count(reg)) return;
  const int index = engine_.QueueRead(reg);
  if (index >= 0) index_.emplace(reg, index);
}

std::optional<uint32_t> RegisterBatch::Value(uint16_t reg) const {
  const auto it = index_.find(reg);
  if (it == index_.end() || !engine_.BatchAnswered(it->second)) return std::nullopt;
  return engine_.BatchValue(it->second);
}

bool RegisterBatch::SetBits(uint16_t reg, uint32_t mask, uint32_t bits) {
  if (!Value(reg)) return false;
  engine_.SetBatchBits(index_.at(reg), mask, bits);
  return true;
}

}  // namespace velkor
