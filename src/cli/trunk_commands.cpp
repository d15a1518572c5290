#include "cli/exit_codes.h"
#include "cli/feature_commands.h"
#include "cli/vlan_page.h"
#include "device/model.h"
#include "pages/ports/trunk_groups.h"

namespace velkor::cli {

namespace {

constexpr uint16_t kStatusRegister = 0x0102;  // bit 5 + k: trunk group k reports an error
constexpr int kTrunkErrorShift = 5;

std::string Flag(const std::optional<uint32_t>& value, int bit) {
  return value ? ((*value >> bit & 1) ? "yes" : "no") : "?";
}

// The groups of this model that hold ports of this switch, with their state; "?" for a state whose
// register did not answer.
int List(CommandContext& c, CtlVlan& vlan) {
  VlanContext& context = vlan.Context();
  const std::optional<uint32_t> enabled = context.Read(kTrunkEnableRegister);
  const std::optional<uint32_t> status = context.Read(kStatusRegister);
  const int first = vlan.ModelCode() == kModelG26A ? 0 : 1, last = vlan.ModelCode() == kModelG26A ? 7 : 6;
  std::vector<Record> records;
  for (int k = first; k <= last; ++k) {
    const uint32_t members = TrunkedPorts(vlan.ModelCode(), vlan.Layout(), static_cast<uint16_t>(1u << k));
    if (members == 0) continue;
    records.push_back({{"group", int64_t{k}},
                       {"ports", PanelNames(vlan.Layout(), members)},
                       {"enabled", Flag(enabled, k)},
                       {"error", Flag(status, kTrunkErrorShift + k)}});
  }
  c.out.Array(records);
  return enabled && status ? kExitOk : SwitchLost(c, "the trunk registers");
}

// The chip port of a single PORT operand, or none after the reason went to the error stream.
std::optional<int> ChipPortOf(CommandContext& c, const std::string& text) {
  const auto rows = PortRows(c, text);
  if (!rows) return std::nullopt;
  if (rows->size() != 1) {
    FeatureUsage(c, "enable|disable PORT");
    return std::nullopt;
  }
  return c.session.Identifier().Layout().ChipPortOfRow(rows->front());
}

int Trunk(CommandContext& c) {
  const std::vector<std::string>& ops = c.args.operands;
  const bool enable = !ops.empty() && ops[0] == "enable";
  if (!ops.empty() && (ops.size() != 2 || (!enable && ops[0] != "disable")))
    return FeatureUsage(c, "[enable|disable PORT [--yes]]");
  if (const int e = c.session.Connect(c.args)) return e;
  CtlVlan vlan(c.session);
  if (ops.empty()) return List(c, vlan);
  const std::optional<int> port = ChipPortOf(c, ops[1]);
  if (!port) return kExitUsage;
  // A port no group of this switch holds (the gigabit ports of most models).
  if (!(TrunkedPorts(vlan.ModelCode(), vlan.Layout(), 0xFF) >> *port & 1)) {
    c.err << "velkorctl: port " << ops[1] << " belongs to no trunk group\n";
    return ExitCodeOf(Outcome::kRefused);
  }
  const Outcome outcome =
      enable ? vlan.Trunks().Enable(*port, ResetNotice::kAsk) : vlan.Trunks().Disable({*port});
  return outcome == Outcome::kDone ? List(c, vlan) : ExitCodeOf(outcome);
}

}  // namespace

// The hidden trunk sub-menu of the port settings page: whole groups on and off.
const std::vector<Command>& TrunkCommands() {
  static const std::vector<Command> commands{
      {"trunk", "trunk [enable|disable PORT [--yes]]", 0, 2, Trunk},
  };
  return commands;
}

}  // namespace velkor::cli
