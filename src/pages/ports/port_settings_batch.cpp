#include "pages/ports/port_settings_batch.h"

namespace velkor {

void RegisterBatch::Queue(uint16_t reg) {
  if (entries_.emplace(reg, Entry{}).second) order_.push_back(reg);
}

void RegisterBatch::Transmit(BatchReads reads) {
  const std::vector<RegisterRead> read = ReadBatch(engine_, order_, reads);
  for (size_t i = 0; i < order_.size(); ++i) entries_[order_[i]] = {read[i].value, read[i].answered, false};
}

std::optional<uint32_t> RegisterBatch::Value(uint16_t reg) const {
  const auto it = entries_.find(reg);
  if (it == entries_.end() || !it->second.answered) return std::nullopt;
  return it->second.value;
}

bool RegisterBatch::SetBits(uint16_t reg, uint32_t mask, uint32_t bits) {
  const auto it = entries_.find(reg);
  if (it == entries_.end() || !it->second.answered) return false;
  Entry& e = it->second;
  e.value = (bits & mask) | (e.value & ~mask);
  e.dirty = true;
  return true;
}

void RegisterBatch::Flush() {
  engine_.BeginBatch();
  bool queued = false;
  for (uint16_t reg : order_) {
    Entry& e = entries_[reg];
    if (!e.dirty) continue;
    engine_.QueueWrite(reg, e.value);
    e.dirty = false;
    queued = true;
  }
  if (queued) engine_.TransmitBatch();
}

}  // namespace velkor
