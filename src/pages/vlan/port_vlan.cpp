#include "pages/vlan/port_vlan.h"

#include "device/message_table.h"
#include "device/model.h"
#include "device/port_captions.h"
#include "pages/ports/read_back.h"
#include "pages/ports/trunk_groups.h"
#include "pages/vlan/vlan_batch.h"
#include "pages/vlan/vlan_decode.h"
#include "pages/vlan/vlan_registers.h"

namespace velkor {

using namespace vlan_reg;

namespace {

constexpr int kHighMembersFrom = 16;  // more ports than this use the high member registers

// Any group enabled: bits 0-7 on the QX-G26A, bits 1-6 elsewhere.
uint32_t TrunkEnableBits(int modelCode) { return modelCode == kModelG26A ? 0xFF : 0x7E; }

std::string PeersText(const PortLayout& layout, uint32_t members, int self) {
  std::string text;
  bool any = false;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int q = layout.ChipPortOfRow(row);
    if (q >= 0 && q != self && (members >> q & 1)) {
      text += RowCaption(layout, row) + " ";
      any = true;
    } else {
      text += "-- ";
    }
  }
  return any ? text : std::string(Message(MessageId::kIsolatedPort));
}

}  // namespace

Outcome PortVlan::ReadPortBasedTable(BatchReads reads) {
  table_.Clear();
  if (!c_.connection.State().connected) return Outcome::kSwitchLost;
  VlanBatch batch(c_.Engine());
  for (int e = 0; e < kEntries; ++e) {
    batch.Queue(LowMembers(e));
    batch.Queue(HighMembers(e));
  }
  if (!batch.Transmit(reads)) return Outcome::kNoAnswer;
  const PortLayout& layout = c_.Layout();
  const int model = c_.ModelCode();
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int e = PortBasedEntryOf(model, layout.ChipPortOfRow(row));
    if (e < 0 || e >= kEntries) continue;
    table_.SetEntry(e, 0, VlanEntryOf(batch.Values(), e).members);
  }
  return Outcome::kDone;
}

Outcome PortVlan::WritePortBasedTable() {
  RegisterEngine& engine = c_.Engine();
  const bool high = c_.Layout().FeCount() + c_.Layout().GCount() > kHighMembersFrom;
  for (int e = 0; e < kEntries; ++e) {
    const uint32_t members = table_.Entry(e).members;
    engine.WriteRegister(LowMembers(e), members & 0xFFFF);
    if (high) engine.WriteRegister(HighMembers(e), members >> 16);
  }
  // One batch reads every entry back: the same registers, in one exchange.
  const Outcome back = ReadBack(engine, [&] {
    VlanBatch batch(engine);
    for (int e = 0; e < kEntries; ++e) {
      batch.Queue(LowMembers(e));
      batch.Queue(HighMembers(e));
    }
    if (!batch.Transmit()) return Outcome::kNoAnswer;
    for (int e = 0; e < kEntries; ++e)
      if (!table_.EntryMatches(e, batch.Value(HighMembers(e)) << 16 | (batch.Value(LowMembers(e)) & 0xFFFF)))
        return Outcome::kNotVerified;
    return Outcome::kDone;
  });
  if (back == Outcome::kNoAnswer) return c_.Unanswered(Outcome::kNotVerified);
  return back == Outcome::kNotVerified ? c_.WriteFailed() : back;
}

Outcome PortVlan::Fill(BatchReads reads) {
  rows_.clear();
  const Outcome read = ReadPortBasedTable(reads);
  if (read != Outcome::kDone) return read;
  const PortLayout& layout = c_.Layout();
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    const uint32_t members = table_.Entry(PortBasedEntryOf(c_.ModelCode(), p)).members;
    rows_.push_back({RowCaption(layout, row), p, PeersText(layout, members, p)});
  }
  return Outcome::kDone;
}

PortVlanMenu PortVlan::MenuPopup(bool rowSelected) const {
  return {rowSelected, true, !table_.IsTrivialTable()};
}

std::optional<PortMemberDialog> PortVlan::Dialog(int ownRow, uint32_t initial, Outcome& outcome) {
  const TrunkMembers trunks = ReadTrunkMembers(c_.connection, c_.Engine(), c_.Layout());
  if (!trunks.ok) {
    outcome = c_.connection.State().connected ? c_.Unanswered() : Outcome::kSwitchLost;
    return std::nullopt;
  }
  trunkMask_ = trunks.mask;
  outcome = Outcome::kDone;
  return PortMemberDialog(c_.Layout(), c_.ModelCode(), trunks.mask, table_, ownRow, initial);
}

std::optional<PortMemberDialog> PortVlan::EditPortDialog(size_t row, Outcome& outcome) {
  const PortLayout& layout = c_.Layout();
  if (row >= layout.RowCount()) {
    outcome = Outcome::kRefused;
    return std::nullopt;
  }
  // The image is read afresh: the dialog and the change build on what the chip holds now.
  if ((outcome = ReadPortBasedTable(BatchReads::kConfirmed)) != Outcome::kDone) {
    if (outcome == Outcome::kNoAnswer) outcome = c_.Unanswered();
    return std::nullopt;
  }
  const int e = PortBasedEntryOf(c_.ModelCode(), layout.ChipPortOfRow(row));
  uint32_t initial = 0;
  for (size_t q = 0; q < layout.RowCount(); ++q) {
    const int p = layout.ChipPortOfRow(q);
    if (table_.IsMember(p, e)) initial |= 1u << p;
  }
  return Dialog(static_cast<int>(row), initial, outcome);
}

Outcome PortVlan::ApplyEditPort(const PortMemberDialog& dialog) {
  const int p = c_.Layout().ChipPortOfRow(static_cast<size_t>(dialog.OwnRow()));
  const int model = c_.ModelCode();
  bool ok = true;
  if (trunkMask_ >> p & 1) {
    // E maps a trunk group onto itself, so its ports are its entries.
    const uint32_t group = TrunkMemberMask(model, p);
    for (int e = 0; e < kEntries; ++e)
      if (group >> e & 1) ok = table_.SetPortAllowed(e, dialog.Result()) && ok;
  } else {
    ok = table_.SetPortAllowed(PortBasedEntryOf(model, p), dialog.Result());
  }
  if (!ok) {
    c_.prompter.Refuse(Message(MessageId::kVlanSettingFailed));
    return Outcome::kRefused;
  }
  return WriteAndFill();
}

std::optional<PortMemberDialog> PortVlan::AddGroupDialog(Outcome& outcome) {
  if ((outcome = ReadPortBasedTable(BatchReads::kConfirmed)) != Outcome::kDone) {
    if (outcome == Outcome::kNoAnswer) outcome = c_.Unanswered();
    return std::nullopt;
  }
  return Dialog(-1, 0, outcome);
}

Outcome PortVlan::ApplyAddGroup(const PortMemberDialog& dialog) {
  if (!table_.AddGroup(dialog.Result())) {
    c_.prompter.Refuse(Message(MessageId::kVlanSettingFailed));
    return Outcome::kRefused;
  }
  return WriteAndFill();
}

Outcome PortVlan::ClearTable() {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const RegisterRead enable = c_.Engine().ReadRegister(kTrunkEnableRegister);
  if (!enable.answered) return c_.Unanswered();
  if (enable.value & TrunkEnableBits(c_.ModelCode())) {
    c_.prompter.ShowWithIcon(MessageKind::kNotice, MessageIcon::kWarning,
                             Message(MessageId::kTrunkBlocksVlanListDelete));
    return Outcome::kRefused;
  }
  if (!c_.prompter.Confirm(Message(MessageId::kConfirmVlanListDelete))) return Outcome::kNotConfirmed;
  table_.Clear();
  return WriteAndFill();
}

Outcome PortVlan::WriteAndFill() {
  const Outcome written = WritePortBasedTable();
  if (written != Outcome::kDone) return written;
  return Fill();
}

}  // namespace velkor
