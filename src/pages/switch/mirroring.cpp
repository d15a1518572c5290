#include "pages/switch/mirroring.h"

#include "device/message_table.h"
#include "device/model.h"
#include "device/port_captions.h"
#include "pages/ports/read_back.h"
#include "pages/ports/trunk_groups.h"
#include "pages/switch/port_bits.h"

namespace velkor {

namespace {

constexpr PortBitPair kMirror{0x0219, 0x021A};
constexpr PortBitPair kReceive{0x021B, 0x021C};
constexpr PortBitPair kTransmit{0x021D, 0x021E};

PortBitBatch AllRoles(FeatureContext& c) {
  return PortBitBatch(c.Engine(), {kMirror, kReceive, kTransmit}, c.Layout().PortSlots());
}

// Whether p holds a role that rules out role: a mirror port is never mirrored, and back.
bool HasOtherKind(const PortBitBatch& bits, MirrorRole role, int p) {
  if (role == MirrorRole::kMirror) return bits.Bit(kReceive, p) || bits.Bit(kTransmit, p);
  return bits.Bit(kMirror, p);
}

}  // namespace

const PortBitPair& MirrorPairOf(MirrorRole role) {
  switch (role) {
    case MirrorRole::kMirror:
      return kMirror;
    case MirrorRole::kReceive:
      return kReceive;
    case MirrorRole::kTransmit:
      break;
  }
  return kTransmit;
}

std::optional<bool> RoleOf(const MirrorRow& row, MirrorRole role) {
  switch (role) {
    case MirrorRole::kMirror:
      return row.mirror;
    case MirrorRole::kReceive:
      return row.receive;
    case MirrorRole::kTransmit:
      break;
  }
  return row.transmit;
}

Outcome Mirroring::Fill() {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const PortLayout& layout = c_.Layout();
  PortBitBatch bits = AllRoles(c_);
  const bool answered = bits.Read();
  rows_.clear();
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    MirrorRow r{RowCaption(layout, row), p, std::nullopt, std::nullopt, std::nullopt};
    if (answered && p >= 0) {
      r.mirror = bits.Bit(kMirror, p);
      r.receive = bits.Bit(kReceive, p);
      r.transmit = bits.Bit(kTransmit, p);
    }
    rows_.push_back(r);
  }
  return answered ? Outcome::kDone : Outcome::kNoAnswer;
}

Outcome Mirroring::Enable(MirrorRole role, size_t row) {
  const PortLayout& layout = c_.Layout();
  const int p = layout.ChipPortOfRow(row);
  if (p < 0) return Outcome::kRefused;
  const TrunkMembers trunks = ReadTrunkMembers(c_.connection, c_.Engine(), layout);
  if (!trunks.ok) return c_.connection.State().connected ? c_.Unanswered() : Outcome::kSwitchLost;
  if (role == MirrorRole::kMirror && !c_.prompter.Confirm(Message(MessageId::kConfirmMirrorPort)))
    return Outcome::kNotConfirmed;
  PortBitBatch bits = AllRoles(c_);
  if (!bits.Read(BatchReads::kConfirmed)) return c_.Unanswered();
  const PortBitPair& pair = MirrorPairOf(role);
  if (bits.Bit(pair, p)) return Outcome::kDone;
  const auto refuse = [this](MessageId id) {
    c_.prompter.Refuse(Message(id));
    return Outcome::kRefused;
  };
  if (HasOtherKind(bits, role, p)) return refuse(MessageId::kMirrorAndMirrored);
  if (trunks.mask >> p & 1) return refuse(MessageId::kTrunkMemberCannotMirror);
  switch (c_.transport.discovery.IsManagementPort(static_cast<uint8_t>(p))) {
    case -1:
      return Outcome::kSwitchLost;
    case 1:
      return refuse(MessageId::kManagementPortCannotMirror);
    default:
      break;
  }
  bits.Set(pair, p, true);
  bits.Flush();
  return ReadBack(c_.Engine(), [&] {
    if (const Outcome filled = Fill(); filled != Outcome::kDone) return filled;
    return RoleOf(rows_.at(row), role) == true ? Outcome::kDone : Outcome::kNotVerified;
  });
}

Outcome Mirroring::Disable(MirrorRole role, const std::vector<size_t>& rows) {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const PortLayout& layout = c_.Layout();
  const PortBitPair& pair = MirrorPairOf(role);
  PortBitBatch bits(c_.Engine(), {pair}, layout.PortSlots());
  if (!bits.Read(BatchReads::kConfirmed)) return c_.Unanswered();
  for (size_t row : rows)
    if (const int p = layout.ChipPortOfRow(row); p >= 0) bits.Set(pair, p, false);
  bits.Flush();
  return ReadBack(c_.Engine(), [&] {
    if (const Outcome filled = Fill(); filled != Outcome::kDone) return filled;
    for (size_t row : rows)
      if (RoleOf(rows_.at(row), role) != false) return Outcome::kNotVerified;
    return Outcome::kDone;
  });
}

std::optional<uint32_t> MirroringMask(FeatureContext& context) {
  if (context.ModelCode() == kModelG26A) return 0;
  if (!context.connection.CheckConnection()) return std::nullopt;
  uint32_t mask = 0;
  for (const PortBitPair& pair : {kMirror, kReceive, kTransmit}) {
    const auto low = context.Read(pair.low);
    const auto high = low ? context.Read(pair.high) : std::nullopt;
    if (!high) return std::nullopt;
    mask |= *high << 16 | *low;
  }
  return mask & ((1u << context.Layout().FeCount()) - 1);
}

}  // namespace velkor
