#include "cli/command.h"
#include "cli/exit_codes.h"
#include "pages/engineering/general_info.h"
#include "pages/engineering/mac_address.h"
#include "pages/engineering/vlan_info.h"

namespace velkor::cli {

namespace {

// By field of the General Information page.
constexpr std::array<const char*, kGeneralInfoFields> kChipKeys{"chip",   "model",    "panel",   "mcu",
                                                                "eeprom", "gigaphy1", "gigaphy2"};

// A value the switch did not give prints as "?", never as 0.
Field Known(const char* key, const std::optional<int>& value) {
  if (value) return {key, int64_t{*value}};
  return {key, "?"};
}
Field Known(const char* key, const std::optional<std::string>& value) { return {key, value.value_or("?")}; }

int Chip(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  GeneralInfo info(c.session.Identifier());
  info.GeneralInfoPageShow();
  Record record;
  for (size_t i = 0; i < kGeneralInfoFields; ++i) record.push_back({kChipKeys[i], info.Texts()[i]});
  c.out.Object(record);
  return kExitOk;
}

int VlanRaw(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  VlanInfo info(c.session.Transport().engine, c.session.Identifier());
  info.TabSheet4Show();
  bool complete = true;
  std::vector<Record> records;
  for (const PortVlanIndexRow& p : info.Ports()) {
    records.push_back({{"kind", "port"}, {"port", p.port}, Known("vlan", p.vlan)});
    complete = complete && p.vlan;
  }
  for (const VlanTableRow& e : info.Entries()) {
    records.push_back(
        {{"kind", "entry"}, {"entry", int64_t{e.entry}}, Known("vid", e.vid), Known("members", e.members)});
    complete = complete && e.vid && e.members;
  }
  c.out.Array(records);
  return complete ? kExitOk : SwitchLost(c, "a VLAN register");
}

// Writes the MAC address into the EEPROM and reads it back; the switch answers with it after its
// next power-on.
int SetMac(CommandContext& c) {
  const auto mac = ParseMac(c.args.operands[0]);
  if (!mac) {
    c.err << "velkorctl: not a MAC address (aa:bb:cc:dd:ee:ff): " << c.args.operands[0] << "\n";
    return kExitUsage;
  }
  if (const int e = c.session.Connect(c.args)) return e;
  EngineeringContext context{c.session.Transport(), c.session.Identifier(), c.session.Prompts(),
                             c.session.Progress(), c.session.Busy()};
  MacAddressSetting setting(context);
  if (setting.GroupShown() &&
      !c.session.Prompts().Confirm("Set the switch MAC address to " + FormatMac(*mac) + "?"))
    return kExitNotConnected;
  const Outcome outcome = setting.Set(*mac);
  if (outcome == Outcome::kDone) c.out.Object({{"mac", FormatMac(*mac)}});
  return ExitCodeOf(outcome);
}

}  // namespace

// The engineering pages: chip information, the raw VLAN state, the MAC address.
const std::vector<Command>& EngineeringCommands() {
  static const std::vector<Command> commands{
      {"chip", "chip", 0, 0, Chip},
      {"vlan-raw", "vlan-raw", 0, 0, VlanRaw},
      {"set-mac", "set-mac MAC [--yes]", 1, 1, SetMac},
  };
  return commands;
}

}  // namespace velkor::cli
