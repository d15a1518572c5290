#include "pages/ports/port_status.h"

#include "device/message_table.h"
#include "device/model.h"
#include "device/port_captions.h"
#include "pages/ports/port_settings_batch.h"
#include "pages/ports/port_settings_fields.h"
#include "pages/ports/trunk_groups.h"

namespace velkor {

namespace {

constexpr uint16_t kStatusRegister = 0x0102;  // bit 5 + k: trunk group k reports an error
constexpr int kTrunkErrorShift = 5;
constexpr uint16_t kPortOff = 0x0608;     // bit p & 15, 0x0609 from chip port 16
constexpr uint16_t kLinkStatus = 0x0619;  // + p/2, one byte per chip port
constexpr uint8_t kDuplexBit = 0x04, kSpeedBits = 0x03;

uint16_t PortOffRegister(int p) { return static_cast<uint16_t>(kPortOff + (p > 15 ? 1 : 0)); }
uint16_t LinkRegister(int p) { return static_cast<uint16_t>(kLinkStatus + p / 2); }

std::string Text(MessageId id) { return std::string(Message(id)); }

// Speed and duplex are decided only for a port that is on with its link up.
bool Decided(const PortStatusRow& row) { return row.off == false && row.LinkUp(); }
bool Unknown(const PortStatusRow& row) { return !row.off || (*row.off == false && !row.link); }

}  // namespace

std::string StateText(const PortStatusRow& row) {
  if (row.off == true) return Text(MessageId::kOff);
  if (Unknown(row)) return kUnknownText;
  return Text(row.LinkUp() ? MessageId::kLinkUp : MessageId::kLinkDown);
}

std::string SpeedText(const PortStatusRow& row) {
  if (Unknown(row)) return kUnknownText;
  if (!Decided(row)) return kNoneText;
  switch ((*row.link & kSpeedBits) + ((*row.link & kDuplexBit) ? 4 : 0)) {
    case 0:
      return "10M Half";
    case 1:
      return "100M Half";
    case 4:
      return "10M Full";
    case 5:
      return "100M Full";
    case 6:
      return "1000M Full";
    default:
      return "N/A";
  }
}

std::string PauseText(const PortStatusRow& row) {
  if (Unknown(row)) return kUnknownText;
  if (!Decided(row)) return kNoneText;
  return Text((*row.link & kLinkPauseBit) ? MessageId::kEnabled : MessageId::kDisabled);
}

std::string TrunkErrorText(const PortStatusRow& row) {
  if (!row.hasTrunk) return kNoneText;
  if (!row.trunkError) return kUnknownText;
  return Text(*row.trunkError ? MessageId::kYes : MessageId::kNo);
}

StatusColour CellColour(int column, const std::string& text) {
  if (column == 1) {
    if (text == Message(MessageId::kLinkDown)) return StatusColour::kRed;
    return text == Message(MessageId::kOff) ? StatusColour::kGrey : StatusColour::kGreen;
  }
  if (column == 4) return text == Message(MessageId::kYes) ? StatusColour::kRed : StatusColour::kGreen;
  return StatusColour::kBlack;
}

Outcome PortStatus::FillPortStatus() {
  if (!connection_.CheckConnection()) return Outcome::kSwitchLost;
  const PortLayout& layout = identifier_.Layout();
  const int model = connection_.State().modelCode;
  RegisterBatch batch(transport_.engine);
  for (int q = 0; q < layout.PortSlots(); ++q) {
    batch.Queue(LinkRegister(q));
    batch.Queue(kStatusRegister);
    batch.Queue(PortOffRegister(q));
  }
  batch.Transmit();
  const std::optional<uint32_t> status = batch.Value(kStatusRegister);
  rows_.clear();
  bool complete = status.has_value();
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    const bool gigabit = row >= static_cast<size_t>(layout.FeCount());
    PortStatusRow r{.caption = RowCaption(layout, row), .chipPort = p};
    if (const auto off = batch.Value(PortOffRegister(p))) r.off = (*off >> (p & 15) & 1) != 0;
    if (const auto link = batch.Value(LinkRegister(p))) r.link = static_cast<uint8_t>(*link >> (8 * (p & 1)));
    const int group = TrunkGroupOf(model, p);
    r.hasTrunk = group >= 0 && (!gigabit || model == kModelG26A);
    if (r.hasTrunk && status) r.trunkError = (*status >> (kTrunkErrorShift + group) & 1) != 0;
    complete = complete && r.off && r.link;
    rows_.push_back(std::move(r));
  }
  return complete ? Outcome::kDone : Outcome::kNoAnswer;
}

}  // namespace velkor
