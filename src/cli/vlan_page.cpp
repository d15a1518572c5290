#include "cli/vlan_page.h"

#include "cli/port_list.h"

namespace velkor::cli {

namespace {

std::string ModeName(VlanMode mode) {
  switch (mode) {
    case VlanMode::kDisabled:
      return "off";
    case VlanMode::kPortBased:
      return "port";
    case VlanMode::kDot1q:
      return "dot1q";
    case VlanMode::kUndefined:
      break;
  }
  return "unknown";
}

}  // namespace

std::string PanelNames(const PortLayout& layout, uint32_t mask, int self) {
  std::string names;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    if (p < 0 || p == self || !(mask >> p & 1)) continue;
    names += (names.empty() ? "" : ",") + PanelName(layout, row);
  }
  return names;
}

CtlVlan::CtlVlan(CtlSession& session)
    : session_(session),
      context_{session.Transport(), session.GetConnection(), session.Identifier(), session.Prompts()} {
  tables_.Reset(ModelCode(), Layout());
  settings_.Connected();
}

Outcome CtlVlan::Fill() {
  const Outcome settings = settings_.Fill();
  if (settings != Outcome::kDone) return settings;
  switch (settings_.Mode()) {
    case VlanMode::kPortBased:
      return portBased_.Fill();
    case VlanMode::kDot1q:
      return dot1q_.Fill();
    default:
      return Outcome::kDone;
  }
}

std::vector<Record> CtlVlan::Records() const {
  const VlanPageState& s = settings_.State();
  Record vlan{{"kind", "vlan"}, {"mode", ModeName(s.mode)}, {"drop_untagged", s.dropUntagged}};
  if (s.leakyShown) {
    vlan.push_back({"leaky_unicast", s.unicastLeaky});
    vlan.push_back({"leaky_arp", s.arpLeaky});
  }
  if (s.managementVid) vlan.push_back({"mgmt_vid", int64_t{*s.managementVid}});
  std::vector<Record> records{vlan};
  const PortLayout& layout = Layout();
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    Record port{{"kind", "port"}, {"port", PanelName(layout, row)}};
    if (row < s.tagRows.size()) port.push_back({"tag", s.tagRows[row].rule});
    if (s.mode == VlanMode::kPortBased) {
      const int e = PortBasedEntryOf(ModelCode(), p);
      port.push_back({"peers", PanelNames(layout, tables_.portBased.Entry(e).members, p)});
    }
    if (s.mode == VlanMode::kDot1q && row < dot1q_.Mapping().size())
      port.push_back({"group", int64_t{dot1q_.Mapping()[row].entry + 1}});
    records.push_back(port);
  }
  if (s.mode != VlanMode::kDot1q) return records;
  for (size_t g = 0; g < dot1q_.Groups().size(); ++g) {
    const Dot1qGroupRow& group = dot1q_.Groups()[g];
    records.push_back({{"kind", "group"},
                       {"group", static_cast<int64_t>(g + 1)},
                       {"vid", int64_t{group.vid}},
                       {"ports", PanelNames(layout, group.members)}});
  }
  return records;
}

}  // namespace velkor::cli
