#include "pages/vlan/dot1q_vlan.h"

#include <map>

#include "device/message_table.h"
#include "device/port_captions.h"
#include "pages/ports/read_back.h"
#include "pages/ports/trunk_groups.h"
#include "pages/vlan/vlan_batch.h"
#include "pages/vlan/vlan_decode.h"
#include "pages/vlan/vlan_registers.h"

namespace velkor {

using namespace vlan_reg;

namespace {

std::string TwoDigits(int n) { return FePortCaption(static_cast<size_t>(n - 1)); }

void QueuePortIndexes(VlanBatch& batch, int slots) {
  for (int p = 0; p < slots; ++p) batch.Queue(PortIndexRegister(p));
}

void SetPortIndex(VlanBatch& batch, int p, int e) {
  batch.SetBits(PortIndexRegister(p), kPortIndexMask << PortIndexShift(p),
                static_cast<uint32_t>(e) << PortIndexShift(p));
}

}  // namespace

std::optional<VlanEntry> Dot1qVlan::ReadDot1qEntry(int e, BatchReads reads) {
  if (e < 0 || e >= kEntries) return std::nullopt;
  VlanBatch batch(c_.Engine());
  batch.Queue(LowMembers(e));
  batch.Queue(HighMembers(e));
  batch.Queue(EntryVid(e));
  if (!batch.Transmit(reads)) return std::nullopt;
  VlanEntry entry = VlanEntryOf(batch.Values(), e);
  entry.members &= table_.ValidMask();
  return entry;
}

Outcome Dot1qVlan::WriteDot1qEntry(int e, int vid, uint32_t members) {
  if (e < 0 || e >= kEntries || vid < 0 || vid > static_cast<int>(kVidMask) || (vid == 0) != (members == 0) ||
      !c_.connection.State().connected)
    return Outcome::kRefused;
  const PortLayout& layout = c_.Layout();
  // A cleared group's ports are read before anything is written, so that a lost reply cannot
  // leave them on an empty group.
  std::map<uint16_t, uint32_t> indexes;
  if (vid == 0) {
    VlanBatch batch(c_.Engine());
    QueuePortIndexes(batch, layout.PortSlots());
    if (!batch.Transmit(BatchReads::kConfirmed)) return c_.Unanswered();
    for (int p = 0; p < layout.PortSlots(); ++p)
      indexes[PortIndexRegister(p)] = batch.Value(PortIndexRegister(p));
  }
  RegisterEngine& engine = c_.Engine();
  engine.WriteRegister(LowMembers(e), members & 0xFFFF);
  engine.WriteRegister(HighMembers(e), members >> 16);
  engine.WriteRegister(EntryVid(e), static_cast<uint32_t>(vid));
  const Outcome back = ReadBack(engine, [&] {
    const auto entry = ReadDot1qEntry(e, BatchReads::kShown);
    if (!entry) return Outcome::kNoAnswer;
    const bool took = entry->vid == vid && entry->members == (members & table_.ValidMask());
    return took ? Outcome::kDone : Outcome::kNotVerified;
  });
  if (back == Outcome::kNoAnswer) return c_.Unanswered(Outcome::kNotVerified);
  if (back != Outcome::kDone) return c_.WriteFailed();
  std::map<uint16_t, uint32_t> moved;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    const auto it = p >= 0 ? indexes.find(PortIndexRegister(p)) : indexes.end();
    if (it == indexes.end() || (it->second >> PortIndexShift(p) & kPortIndexMask) != static_cast<uint32_t>(e))
      continue;
    it->second &= ~(kPortIndexMask << PortIndexShift(p));
    moved[it->first] = it->second;
  }
  for (const auto& [reg, value] : moved) engine.WriteRegister(reg, value);
  return Outcome::kDone;
}

std::string Dot1qVlan::PortsText(uint32_t members) const {
  if (members == 0) return std::string(Message(MessageId::kEmpty));
  const PortLayout& layout = c_.Layout();
  std::string text;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    const bool last = row + 1 == layout.RowCount() && row >= static_cast<size_t>(layout.FeCount());
    text += p >= 0 && (members >> p & 1) ? RowCaption(layout, row) : "--";
    if (!last) text += " ";
  }
  return text;
}

Outcome Dot1qVlan::Fill(BatchReads reads) {
  groups_.clear();
  mapping_.clear();
  complete_ = false;
  if (!c_.connection.State().connected) return Outcome::kSwitchLost;
  const PortLayout& layout = c_.Layout();
  VlanBatch batch(c_.Engine());
  QueuePortIndexes(batch, layout.PortSlots());
  for (int e = 0; e < kEntries; ++e)
    for (int p = 0; p < layout.PortSlots(); ++p) {
      batch.Queue(EntryVid(e));
      batch.Queue(MemberRegister(e, p));
    }
  complete_ = batch.Transmit(reads);
  if (!complete_) return Outcome::kNoAnswer;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    const int entry = PortVlanIndexOf(batch.Values(), p);
    mapping_.push_back({RowCaption(layout, row), p, entry, TwoDigits(entry + 1)});
  }
  for (int e = 0; e < kEntries; ++e) {
    const VlanEntry entry = VlanEntryOf(batch.Values(), e);
    const int vid = entry.vid;
    const uint32_t members = entry.members & table_.ValidMask();
    groups_.push_back({TwoDigits(e + 1), vid, members, vid ? std::to_string(vid) : "-", PortsText(members)});
  }
  return Outcome::kDone;
}

Dot1qGroupMenu Dot1qVlan::MenuPopup(std::optional<size_t> row) const {
  if (!row || *row >= groups_.size()) return {};
  return {true, *row != 0 && groups_[*row].vid != 0};
}

std::optional<GroupDialog> Dot1qVlan::EditGroupDialog(size_t row, Outcome& outcome) {
  const int e = static_cast<int>(row);
  if (row >= static_cast<size_t>(kEntries)) {
    outcome = Outcome::kRefused;
    return std::nullopt;
  }
  // The VIDs in use come from the list; a list with lost replies cannot vouch for them.
  if (!Complete() && (outcome = Fill(BatchReads::kConfirmed)) != Outcome::kDone) {
    if (outcome == Outcome::kNoAnswer) outcome = c_.Unanswered();
    return std::nullopt;
  }
  const auto entry = ReadDot1qEntry(e, BatchReads::kConfirmed);
  if (!entry) {
    outcome = c_.Unanswered();
    return std::nullopt;
  }
  const TrunkMembers trunks = ReadTrunkMembers(c_.connection, c_.Engine(), c_.Layout());
  if (!trunks.ok) {
    outcome = c_.connection.State().connected ? c_.Unanswered() : Outcome::kSwitchLost;
    return std::nullopt;
  }
  std::vector<int> others;
  for (const Dot1qGroupRow& g : groups_)
    if (&g != &groups_[row] && g.vid != 0) others.push_back(g.vid);
  outcome = Outcome::kDone;
  return GroupDialog(c_.Layout(), c_.ModelCode(), trunks.mask, {e == 0, entry->vid, entry->members},
                     std::move(others));
}

Outcome Dot1qVlan::ApplyEditGroup(size_t row, const GroupDialog& dialog) {
  if (dialog.Unchanged()) return Outcome::kDone;
  const Outcome written = WriteDot1qEntry(static_cast<int>(row), dialog.Vid(), dialog.Members());
  if (written != Outcome::kDone) return written;
  return Fill();
}

Outcome Dot1qVlan::ClearGroup(size_t row) {
  if (row == 0 || row >= static_cast<size_t>(kEntries)) return Outcome::kRefused;
  const Outcome written = WriteDot1qEntry(static_cast<int>(row), 0, 0);
  if (written != Outcome::kDone) return written;
  return Fill();
}

std::optional<GroupChooser> Dot1qVlan::MapDialog(size_t row, Outcome& outcome) {
  const int b = c_.Layout().ChipPortOfRow(row);
  if (b < 0) {
    outcome = Outcome::kRefused;
    return std::nullopt;
  }
  const TrunkMembers trunks = ReadTrunkMembers(c_.connection, c_.Engine(), c_.Layout());
  if (!trunks.ok) {
    outcome = c_.connection.State().connected ? c_.Unanswered() : Outcome::kSwitchLost;
    return std::nullopt;
  }
  if (!Complete() && (outcome = Fill(BatchReads::kConfirmed)) != Outcome::kDone) {
    if (outcome == Outcome::kNoAnswer) outcome = c_.Unanswered();
    return std::nullopt;
  }
  trunkMask_ = trunks.mask;
  GroupChooser chooser;
  for (size_t e = 0; e < groups_.size(); ++e) {
    if (groups_[e].vid == 0 || !(groups_[e].members >> b & 1)) continue;
    chooser.items.push_back(groups_[e].number);
    chooser.entries.push_back(static_cast<int>(e));
  }
  if (!chooser.items.empty()) chooser.selected = 0;
  outcome = Outcome::kDone;
  return chooser;
}

Outcome Dot1qVlan::ApplyMap(size_t row, const GroupChooser& chooser) {
  const auto entry = chooser.Chosen();
  const int b = c_.Layout().ChipPortOfRow(row);
  if (!entry || b < 0) return Outcome::kNotConfirmed;
  VlanBatch batch(c_.Engine());
  QueuePortIndexes(batch, c_.Layout().PortSlots());
  if (!batch.Transmit(BatchReads::kConfirmed)) return c_.Unanswered();
  uint32_t ports = 1u << b;
  if (trunkMask_ >> b & 1) {
    c_.prompter.Inform(Message(MessageId::kTrunkSharesVlanGroup));
    ports |= TrunkMemberMask(c_.ModelCode(), b);
  }
  for (int p = 0; p < c_.Layout().PortSlots(); ++p)
    if (ports >> p & 1) SetPortIndex(batch, p, *entry);
  batch.Flush();
  return ReadBack(c_.Engine(), [&] {
    const Outcome filled = Fill();
    if (filled != Outcome::kDone) return filled;
    return mapping_.at(row).entry == *entry ? Outcome::kDone : Outcome::kNotVerified;
  });
}

}  // namespace velkor
