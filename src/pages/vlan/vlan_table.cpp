#include "pages/vlan/vlan_table.h"

#include "device/model.h"

namespace velkor {

namespace {
constexpr int kGigabitTableBit = 22;
}  // namespace

int PortBasedEntryOf(int modelCode, int chipPort) {
  return modelCode == kModelF8A || modelCode == kModelF8B ? chipPort : chipPort ^ 1;
}

uint32_t VlanValidPortMask(int modelCode, const PortLayout& layout) {
  const int ports = layout.FeCount() + layout.GCount();
  if (modelCode == kModelG26A) return ports == 8 ? 0xFFFFFF00u : 0x03FFFFFFu;
  const int fe = layout.FeCount() > 31 ? 31 : layout.FeCount();
  uint32_t mask = fe > 0 ? (1u << fe) - 1 : 0;
  if (layout.GCount() != 0) mask |= 1u << kGigabitTableBit;
  return ports == 8 ? mask << 8 : mask;
}

void VlanTable::Reset(int modelCode, const PortLayout& layout) {
  Clear();
  modelCode_ = modelCode;
  portCount_ = layout.FeCount() + layout.GCount();
  validMask_ = VlanValidPortMask(modelCode, layout);
}

bool VlanTable::SetEntry(int e, uint32_t vid, uint32_t members) {
  if (!Valid(e)) return false;
  VlanEntry& entry = entries_[static_cast<size_t>(e)];
  entry.vid = static_cast<uint16_t>(vid & 0xFFF);
  entry.members = members & validMask_;
  if (kind_ == VlanTableKind::kDot1q && e != 0 && entry.members == 0) entry.vid = 0;
  return true;
}

bool VlanTable::SetPortAllowed(int e, uint32_t set) {
  if (!SetEntry(e, 0, set)) return false;
  const int port = PortBasedEntryOf(modelCode_, e);
  if (port < 0 || port >= kEntryCount) return false;
  for (int i = 0; i < kEntryCount; ++i) {
    if (!(validMask_ >> i & 1)) continue;
    const int entry = PortBasedEntryOf(modelCode_, i);
    if (!Valid(entry)) continue;
    uint32_t members = entries_[static_cast<size_t>(entry)].members;
    members = (set >> i & 1) ? members | 1u << port : members & ~(1u << port);
    SetEntry(entry, 0, members);
  }
  return true;
}

bool VlanTable::AddGroup(uint32_t set) {
  bool ok = true;
  for (int i = 0; i < kEntryCount; ++i) {
    if (!((validMask_ & set) >> i & 1)) continue;
    const int entry = PortBasedEntryOf(modelCode_, i);
    ok = SetEntry(entry, 0, set | Entry(entry).members) && ok;
  }
  return ok;
}

bool VlanTable::IsMember(int chipPort, int e) const {
  if (chipPort < 0 || chipPort >= kEntryCount) return false;
  return (Entry(e).members & validMask_) >> chipPort & 1;
}

bool VlanTable::EntryMatches(int e, uint32_t value) const {
  return ((value ^ Entry(e).members) & validMask_) == 0;
}

bool VlanTable::IsTrivialEntry(int e) const {
  const uint32_t members = Entry(e).members;
  return members == 0 || ((e ^ 1) < kEntryCount && members == 1u << (e ^ 1));
}

bool VlanTable::IsTrivialTable() const {
  const int rows = kind_ == VlanTableKind::kDot1q ? kEntryCount : portCount_;
  const int first = portCount_ == 8 ? 8 : 0;
  for (int e = first; e < first + rows; ++e)
    if (!IsTrivialEntry(e)) return false;
  return true;
}

bool VlanTable::AllAlreadyGrouped(uint32_t set) const {
  const uint32_t wanted = set & validMask_;
  for (int q = 0; q < kEntryCount; ++q) {
    if (!(wanted >> q & 1)) continue;
    if ((Entry(PortBasedEntryOf(modelCode_, q)).members & wanted) != wanted) return false;
  }
  return true;
}

}  // namespace velkor
