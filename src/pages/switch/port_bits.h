#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "device/port_layout.h"
#include "pages/ports/port_settings_batch.h"

namespace velkor {

// One bit per chip port across a pair of registers: chip ports 0-15 in low, 16 and up in high.
struct PortBitPair {
  uint16_t low;
  uint16_t high;

  uint16_t RegisterOf(int chipPort) const { return chipPort <= 15 ? low : high; }
  static uint32_t BitOf(int chipPort) { return 1u << (chipPort & 15); }
};

// Chip port p's bit of pair; none when its register has no value.
std::optional<bool> PortBitOf(const RegisterValues& values, const PortBitPair& pair, int chipPort);

// The register pairs of one change, read in one batch and changed port by port with one flush.
// A batch with a lost reply is read a second time; one that stays unanswered takes no change.
class PortBitBatch {
 public:
  PortBitBatch(RegisterEngine& engine, std::vector<PortBitPair> pairs, int portSlots);

  // False when some register stayed unanswered after the second reading.
  bool Read(BatchReads reads = BatchReads::kShown);
  bool Bit(const PortBitPair& pair, int chipPort) const;
  // Only a bit that differs marks its register for the flush.
  void Set(const PortBitPair& pair, int chipPort, bool on);
  // Writes each register whose bits changed, once; nothing when none did.
  void Flush() { batch_->Flush(); }

 private:
  bool ReadOnce(BatchReads reads);

  RegisterEngine& engine_;
  std::vector<uint16_t> registers_;
  std::optional<RegisterBatch> batch_;
};

// One row of a port list that shows one bit of a pair.
struct PortBitRow {
  std::string caption;  // "01" … or "G1", "G2"
  int chipPort = -1;
  std::optional<bool> set;  // none: the pair did not answer
};

// The list rows of layout with their bit of pair, all unknown when batch was not answered.
std::vector<PortBitRow> PortBitRows(const PortLayout& layout, const PortBitBatch& batch,
                                    const PortBitPair& pair, bool answered);

}  // namespace velkor
