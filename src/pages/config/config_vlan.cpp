// The VLAN section of a configuration: the mode with its options and the table of that mode.

#include "device/model.h"
#include "device/port_captions.h"
#include "pages/config/config_sections.h"
#include "pages/vlan/tag_rules.h"
#include "pages/vlan/vlan_decode.h"
#include "pages/vlan/vlan_mode.h"
#include "pages/vlan/vlan_registers.h"

namespace velkor {

using namespace vlan_reg;

namespace {

std::string RuleName(std::optional<TagRule> rule) {
  if (!rule) return "undefined";
  switch (*rule) {
    case TagRule::kRemove:
      return "remove";
    case TagRule::kInsert:
      return "insert";
    case TagRule::kKeep:
      break;
  }
  return "keep";
}

std::string PortsOrNone(std::string names) { return names.empty() ? "none" : names; }

// Each port's peers: the members of the entry it uses in port-based mode.
void AddPortBased(std::vector<NamedSetting>& settings, const RegisterValues& values, const ConfigOwner& owner,
                  uint32_t valid) {
  const PortLayout& layout = owner.layout;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    const uint32_t members = VlanEntryOf(values, PortBasedEntryOf(owner.modelCode, p)).members & valid;
    settings.push_back(
        {PortKey("vlan.port", layout, row) + ".peers", PortsOrNone(PanelNames(layout, members, p))});
  }
}

// Every port's output rule and group, and the groups that have members.
void AddDot1q(std::vector<NamedSetting>& settings, const RegisterValues& values, const ConfigOwner& owner,
              uint32_t valid) {
  const PortLayout& layout = owner.layout;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    const std::string key = PortKey("vlan.port", layout, row);
    settings.push_back({key + ".tag", RuleName(TagRuleOf(values, owner.modelCode, p))});
    settings.push_back({key + ".group", int64_t{PortVlanIndexOf(values, p) + 1}});
  }
  for (int e = 0; e < kEntries; ++e) {
    const VlanEntry entry = VlanEntryOf(values, e);
    const uint32_t members = entry.members & valid;
    if (entry.vid == 0 && members == 0) continue;
    const std::string key = "vlan.group." + std::to_string(e + 1);
    settings.push_back({key + ".vid", int64_t{entry.vid}});
    settings.push_back({key + ".ports", PortsOrNone(PanelNames(layout, members))});
  }
}

}  // namespace

void AddVlanSettings(std::vector<NamedSetting>& settings, const RegisterValues& values,
                     const ConfigOwner& owner) {
  const uint32_t control = values(kControl).value_or(0);
  const VlanMode mode = DecodeVlanMode(control);
  settings.push_back({"vlan.mode", VlanModeName(mode)});
  if (mode == VlanMode::kDot1q) settings.push_back({"vlan.drop_untagged", OnOff(control & kDropUntaggedBit)});
  // The QX-G26A has no leaky options.
  if (owner.modelCode != kModelG26A) {
    settings.push_back({"vlan.leaky_unicast", OnOff(control & kUnicastLeakyBit)});
    settings.push_back({"vlan.leaky_arp", OnOff(control & kArpLeakyBit)});
  }
  // On the 26-port chips the register holds chip ports 24 and 25's group indexes instead.
  if (owner.layout.PortSlots() <= 24)
    settings.push_back({"vlan.management_vid", int64_t{values(kManagementVid).value_or(0) & kVidMask}});
  const uint32_t valid = VlanValidPortMask(owner.modelCode, owner.layout);
  if (mode == VlanMode::kPortBased) AddPortBased(settings, values, owner, valid);
  if (mode == VlanMode::kDot1q) AddDot1q(settings, values, owner, valid);
}

}  // namespace velkor
