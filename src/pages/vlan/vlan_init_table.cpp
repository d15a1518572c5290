#include "pages/vlan/vlan_init_table.h"

#include "device/model.h"
#include "pages/vlan/vlan_batch.h"
#include "pages/vlan/vlan_registers.h"
#include "pages/vlan/vlan_table.h"

namespace velkor {

namespace {

using namespace vlan_reg;

// Whether the default of target makes Fast Ethernet port j a member of entry e; none where the
// default leaves the bit as it is (a port count the defaults do not know).
std::optional<bool> FeMember(VlanMode target, int feCount, int j, int e) {
  switch (target) {
    case VlanMode::kDot1q:
      return e == 0;
    case VlanMode::kPortBased:
      // Every port reaches the last one, and the last one's entry holds every port.
      switch (feCount) {
        case 8:
          return e == 15 || j == 7;
        case 16:
          return e == 14 || j == 15;
        case 24:
          return e == 22 || j == 23;
        default:
          return std::nullopt;
      }
    default:
      return false;
  }
}

bool GigabitMember(VlanMode target, int k, int e) {
  if (target == VlanMode::kDot1q) return e == 0;
  if (target == VlanMode::kPortBased) return e == 0 || k == 0;
  return false;
}

void SetMember(VlanBatch& batch, int e, int p, bool member) {
  batch.SetBits(MemberRegister(e, p), 1u << (p & 15), member ? 1u << (p & 15) : 0);
}

}  // namespace

Outcome InitVlanTable(VlanContext& c, VlanMode target) {
  const PortLayout& layout = c.Layout();
  const int model = c.ModelCode();
  const bool insertBits = model != kModelG26A;
  VlanBatch batch(c.Engine());
  for (int p = 0; p < layout.PortSlots(); ++p) {
    batch.Queue(PortIndexRegister(p));
    if (insertBits) batch.Queue(InsertRegister(p));
  }
  for (int e = 0; e < kEntries; ++e)
    for (int p = 0; p < layout.PortSlots(); ++p) {
      batch.Queue(EntryVid(e));
      batch.Queue(MemberRegister(e, p));
    }
  // Written back with the mode's fields changed: the other bits must be what the chip holds.
  if (!batch.Transmit(BatchReads::kConfirmed)) return Outcome::kNoAnswer;

  for (int e = 0; e < kEntries; ++e) {
    batch.SetBits(EntryVid(e), kVidMask, target == VlanMode::kDot1q && e == 0 ? 1 : 0);
    for (int j = 0; j < layout.FeCount(); ++j)
      if (const auto member = FeMember(target, layout.FeCount(), j, e))
        SetMember(batch, e, layout.FePhyId(static_cast<size_t>(j)), *member);
    for (int k = 0; k < layout.GCount(); ++k)
      SetMember(batch, e, layout.GPhyId(static_cast<size_t>(k)), GigabitMember(target, k, e));
  }
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    if (p < 0) continue;
    const int index = target == VlanMode::kPortBased ? PortBasedEntryOf(model, p) : 0;
    batch.SetBits(PortIndexRegister(p), kPortIndexMask << PortIndexShift(p),
                  static_cast<uint32_t>(index) << PortIndexShift(p));
    if (insertBits) batch.SetBits(InsertRegister(p), InsertBit(p), 0);
  }
  batch.Flush();
  return Outcome::kDone;
}

}  // namespace velkor
