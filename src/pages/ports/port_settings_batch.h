#pragma once

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

#include "transport/confirmed_read.h"
#include "transport/register_engine.h"
#include "transport/register_values.h"

namespace velkor {

// One batch read of a set of registers, then masked changes and one flush. A register whose read
// got no reply has no value and takes no change: writing it back would put invented bits on the
// switch.
class RegisterBatch {
 public:
  explicit RegisterBatch(RegisterEngine& engine) : engine_(engine) {}

  void Queue(uint16_t reg);
  void Transmit(BatchReads reads = BatchReads::kShown);
  // The register's value, or none when it was not queued or its reply was lost.
  std::optional<uint32_t> Value(uint16_t reg) const;
  // The values as the decoders take them; valid while the batch lives.
  RegisterValues Values() const {
    return [this](uint16_t reg) { return Value(reg); };
  }
  // Sets the bits of mask to bits; false (and nothing changed) when the register has no value.
  bool SetBits(uint16_t reg, uint32_t mask, uint32_t bits);
  // Writes every changed register once, in the order they were queued.
  void Flush();

 private:
  struct Entry {
    uint32_t value = 0;
    bool answered = false;
    bool dirty = false;
  };

  RegisterEngine& engine_;
  std::vector<uint16_t> order_;
  std::unordered_map<uint16_t, Entry> entries_;
};

}  // namespace velkor
