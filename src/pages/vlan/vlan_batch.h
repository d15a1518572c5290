#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "pages/ports/port_settings_batch.h"

namespace velkor {

// A batch read that knows whether every register it asked for was answered: a VLAN change is
// written only when all the registers it rebuilds were read.
class VlanBatch {
 public:
  explicit VlanBatch(RegisterEngine& engine) : batch_(engine) {}

  void Queue(uint16_t reg) {
    queued_.push_back(reg);
    batch_.Queue(reg);
  }
  // Transmits; false when a queued register stayed unanswered.
  bool Transmit(BatchReads reads = BatchReads::kShown) {
    batch_.Transmit(reads);
    for (uint16_t reg : queued_)
      if (!batch_.Value(reg)) return false;
    return true;
  }
  uint32_t Value(uint16_t reg) const { return batch_.Value(reg).value_or(0); }
  RegisterValues Values() const { return batch_.Values(); }
  uint32_t Bits(uint16_t reg, uint32_t mask, int shift) const { return Value(reg) >> shift & mask; }
  void SetBits(uint16_t reg, uint32_t mask, uint32_t bits) { batch_.SetBits(reg, mask, bits); }
  void Flush() { batch_.Flush(); }

 private:
  RegisterBatch batch_;
  std::vector<uint16_t> queued_;
};

}  // namespace velkor
