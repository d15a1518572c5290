#include "pages/switch/port_bits.h"

#include "device/port_captions.h"

namespace velkor {

PortBitBatch::PortBitBatch(RegisterEngine& engine, std::vector<PortBitPair> pairs, int portSlots)
    : engine_(engine) {
  for (const PortBitPair& pair : pairs) {
    registers_.push_back(pair.low);
    if (portSlots > 16) registers_.push_back(pair.high);
  }
}

bool PortBitBatch::ReadOnce(BatchReads reads) {
  batch_.emplace(engine_);
  for (uint16_t reg : registers_) batch_->Queue(reg);
  batch_->Transmit(reads);
  for (uint16_t reg : registers_)
    if (!batch_->Value(reg)) return false;
  return true;
}

bool PortBitBatch::Read(BatchReads reads) { return ReadOnce(reads) || ReadOnce(reads); }

std::optional<bool> PortBitOf(const RegisterValues& values, const PortBitPair& pair, int chipPort) {
  const auto value = values(pair.RegisterOf(chipPort));
  if (!value) return std::nullopt;
  return (*value & PortBitPair::BitOf(chipPort)) != 0;
}

bool PortBitBatch::Bit(const PortBitPair& pair, int chipPort) const {
  return PortBitOf(batch_->Values(), pair, chipPort).value_or(false);
}

void PortBitBatch::Set(const PortBitPair& pair, int chipPort, bool on) {
  if (Bit(pair, chipPort) == on) return;
  const uint32_t bit = PortBitPair::BitOf(chipPort);
  batch_->SetBits(pair.RegisterOf(chipPort), bit, on ? bit : 0);
}

std::vector<PortBitRow> PortBitRows(const PortLayout& layout, const PortBitBatch& batch,
                                    const PortBitPair& pair, bool answered) {
  std::vector<PortBitRow> rows;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    PortBitRow r{RowCaption(layout, row), p, std::nullopt};
    if (answered && p >= 0) r.set = batch.Bit(pair, p);
    rows.push_back(r);
  }
  return rows;
}

}  // namespace velkor
