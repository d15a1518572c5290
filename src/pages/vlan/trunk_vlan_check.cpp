#include "pages/vlan/trunk_vlan_check.h"

#include <string>
#include <vector>

#include "device/message_table.h"
#include "device/model.h"
#include "pages/vlan/port_vlan.h"
#include "pages/vlan/vlan_batch.h"
#include "pages/vlan/vlan_decode.h"
#include "pages/vlan/vlan_registers.h"

namespace velkor {

using namespace vlan_reg;

namespace {

bool Splits(uint32_t set, uint32_t trunk) { return (set & trunk) != 0 && (set & trunk) != trunk; }

// The members of trunk in the order the consistency walk takes them: the QX-G26A's gigabit ports
// count too, elsewhere they are never trunked.
std::vector<int> TrunkPortsInOrder(const VlanContext& c, uint32_t trunk) {
  const PortLayout& layout = c.Layout();
  std::vector<int> ports;
  auto take = [&](int p) {
    if (p >= 0 && p < 32 && (trunk >> p & 1)) ports.push_back(p);
  };
  for (int i = 0; i < layout.FeCount(); ++i) take(layout.FePhyId(static_cast<size_t>(i)));
  if (c.ModelCode() == kModelG26A)
    for (int i = 0; i < layout.GCount(); ++i) take(layout.GPhyId(static_cast<size_t>(i)));
  return ports;
}

// Whether every port shows the same value of what.
template <class What>
bool AllAlike(const std::vector<int>& ports, What what) {
  for (int p : ports)
    if (what(p) != what(ports.front())) return false;
  return true;
}

Outcome RefuseRow(VlanContext& c, int row) {
  c.prompter.Refuse(std::string(Message(MessageId::kTrunkVlanRowPrefix)) + std::to_string(row + 1) +
                    std::string(Message(MessageId::kTrunkVlanRowSuffix)));
  return Outcome::kRefused;
}

Outcome CheckDot1q(VlanContext& c, VlanTable& table, uint32_t trunk, bool untaggedAdmitted) {
  const std::vector<int> ports = TrunkPortsInOrder(c, trunk);
  const int slots = c.Layout().PortSlots();
  if (untaggedAdmitted) {
    VlanBatch batch(c.Engine());
    for (int p = 0; p < slots; ++p) batch.Queue(PortIndexRegister(p));
    if (!batch.Transmit(BatchReads::kConfirmed)) return c.Unanswered();
    if (!AllAlike(ports, [&](int p) { return PortVlanIndexOf(batch.Values(), p); })) {
      c.prompter.Refuse(Message(MessageId::kMapTrunkToOneGroupFirst));
      return Outcome::kRefused;
    }
  }
  VlanBatch rules(c.Engine());
  for (int p = 0; p < slots; ++p) {
    rules.Queue(TagRegister(p));
    rules.Queue(InsertRegister(p));
  }
  if (!rules.Transmit(BatchReads::kConfirmed)) return c.Unanswered();
  const auto ruleOf = [&](int p) {
    return rules.Bits(TagRegister(p), 0x3, TagShift(p)) << 1 |
           ((rules.Value(InsertRegister(p)) & InsertBit(p)) != 0);
  };
  if (!AllAlike(ports, ruleOf)) {
    c.prompter.Refuse(Message(MessageId::kGiveTrunkOneEgressRuleFirst));
    return Outcome::kRefused;
  }
  if (!ReadDot1qMembers(c, table)) return c.Unanswered();
  const int row = FindSplittingEntry(table, c.Layout(), trunk);
  return row < 0 ? Outcome::kDone : RefuseRow(c, row);
}

}  // namespace

bool ReadDot1qMembers(VlanContext& context, VlanTable& table) {
  table.Clear();
  VlanBatch batch(context.Engine());
  for (int e = 0; e < kEntries; ++e) {
    batch.Queue(LowMembers(e));
    batch.Queue(HighMembers(e));
  }
  if (!batch.Transmit(BatchReads::kConfirmed)) return false;
  for (int e = 0; e < kEntries; ++e)
    table.SetEntry(e, 0, batch.Value(HighMembers(e)) << 16 | (batch.Value(LowMembers(e)) & 0xFFFF));
  return true;
}

int FindSplittingEntry(const VlanTable& table, const PortLayout& layout, uint32_t trunk) {
  if (table.Kind() == VlanTableKind::kDot1q) {
    for (int e = 0; e < VlanTable::kEntryCount; ++e)
      if (!table.IsTrivialEntry(e) && Splits(table.Entry(e).members, trunk)) return e;
    return -1;
  }
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    const uint32_t allowed = table.Entry(PortBasedEntryOf(table.ModelCode(), p)).members;
    const uint32_t self = p >= 0 && p < 32 ? 1u << p : 0;
    const bool fails = (trunk & self) ? (trunk & ~(allowed | self)) != 0 : Splits(allowed, trunk);
    if (fails) return static_cast<int>(row);
  }
  return -1;
}

Outcome CheckTrunkVlanConsistency(VlanContext& context, VlanTables& tables, uint32_t trunk) {
  if (!context.connection.State().connected) return Outcome::kSwitchLost;
  const std::optional<uint32_t> control = context.Read(kControl);
  if (!control) return context.Unanswered();
  const bool on = *control & kOnBit, dot1q = *control & kDot1qBit, dropUntagged = *control & kDropUntaggedBit;
  if (on && dot1q) return CheckDot1q(context, tables.dot1q, trunk, !dropUntagged);
  if (!on || dropUntagged) return Outcome::kDone;
  PortVlan portBased(context, tables.portBased);
  if (portBased.ReadPortBasedTable(BatchReads::kConfirmed) != Outcome::kDone) return context.Unanswered();
  const int row = FindSplittingEntry(tables.portBased, context.Layout(), trunk);
  return row < 0 ? Outcome::kDone : RefuseRow(context, row);
}

}  // namespace velkor
