#include "cli/vlan_page.h"

#include "cli/port_list.h"

namespace velkor::cli {

CtlVlan::CtlVlan(CtlSession& session)
    : session_(session),
      vlan_({session.Transport(), session.GetConnection(), session.Identifier(), session.Prompts()}) {
  vlan_.tables.Reset(ModelCode(), Layout());
  vlan_.settings.Connected();
}

Outcome CtlVlan::Fill(BatchReads reads) {
  const Outcome settings = vlan_.settings.Fill(reads);
  if (settings != Outcome::kDone) return settings;
  switch (vlan_.settings.Mode()) {
    case VlanMode::kPortBased:
      return vlan_.portBased.Fill(reads);
    case VlanMode::kDot1q:
      return vlan_.dot1q.Fill(reads);
    default:
      return Outcome::kDone;
  }
}

std::vector<Record> CtlVlan::Records() const {
  const VlanPageState& s = vlan_.settings.State();
  Record vlan{{"kind", "vlan"}, {"mode", VlanModeName(s.mode)}, {"drop_untagged", s.dropUntagged}};
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
      port.push_back({"peers", PanelNames(layout, vlan_.tables.portBased.Entry(e).members, p)});
    }
    if (s.mode == VlanMode::kDot1q && row < vlan_.dot1q.Mapping().size())
      port.push_back({"group", int64_t{vlan_.dot1q.Mapping()[row].entry + 1}});
    records.push_back(port);
  }
  if (s.mode != VlanMode::kDot1q) return records;
  for (size_t g = 0; g < vlan_.dot1q.Groups().size(); ++g) {
    const Dot1qGroupRow& group = vlan_.dot1q.Groups()[g];
    records.push_back({{"kind", "group"},
                       {"group", static_cast<int64_t>(g + 1)},
                       {"vid", int64_t{group.vid}},
                       {"ports", PanelNames(layout, group.members)}});
  }
  return records;
}

}  // namespace velkor::cli
