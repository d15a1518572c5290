// The port settings and trunk groups of a configuration, as the port settings page shows them.

#include <set>

#include "device/message_table.h"
#include "device/model.h"
#include "device/port_captions.h"
#include "pages/config/config_sections.h"
#include "pages/ports/port_settings_fields.h"
#include "pages/ports/trunk_groups.h"

namespace velkor {

namespace {

// The page's cell texts in English keywords; its English texts ("2 Mbps", "100M Full") stay.
std::string Keyword(const std::string& cell) {
  if (cell == kNoneText) return "none";
  if (cell == Message(MessageId::kEnabled) || cell == Message(MessageId::kOn)) return "on";
  if (cell == Message(MessageId::kDisabled) || cell == Message(MessageId::kOff)) return "off";
  if (cell == BandwidthText(0)) return "unlimited";
  return cell;
}

void AddTrunkGroups(std::vector<NamedSetting>& settings, const RegisterValues& values,
                    const ConfigOwner& owner) {
  const PortLayout& layout = owner.layout;
  const uint32_t enable = values(kTrunkEnableRegister).value_or(0);
  std::set<int> groups;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    // Only the QX-G26A trunks its gigabit ports.
    if (row >= static_cast<size_t>(layout.FeCount()) && owner.modelCode != kModelG26A) continue;
    const int p = layout.ChipPortOfRow(row);
    const int group = TrunkGroupOf(owner.modelCode, p);
    if (group < 0 || !groups.insert(group).second) continue;
    const std::string key = "trunk." + std::to_string(group);
    settings.push_back({key, OnOff(enable >> group & 1)});
    settings.push_back({key + ".ports", PanelNames(layout, TrunkMemberMask(owner.modelCode, p))});
  }
}

}  // namespace

void AddPortSettings(std::vector<NamedSetting>& settings, const RegisterValues& values,
                     const ConfigOwner& owner) {
  const PortLayout& layout = owner.layout;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const PortRegisters regs = DecodePort(values, layout.ChipPortOfRow(row));
    const std::string key = PortKey("port", layout, row);
    settings.push_back({key + ".state", Keyword(SwitchText(regs.off))});
    settings.push_back({key + ".rx", Keyword(RxText(regs.bandwidth))});
    settings.push_back({key + ".tx", Keyword(TxText(regs.bandwidth))});
    settings.push_back({key + ".speed", Keyword(SpeedText(regs.advertisement))});
    settings.push_back({key + ".flow", Keyword(FlowText(regs.advertisement))});
  }
  AddTrunkGroups(settings, values, owner);
}

}  // namespace velkor
