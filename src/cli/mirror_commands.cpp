#include "cli/exit_codes.h"
#include "cli/feature_commands.h"
#include "cli/port_list.h"
#include "pages/switch/mirroring.h"

namespace velkor::cli {

namespace {

std::string OnOffText(const std::optional<bool>& on) { return on ? (*on ? "on" : "off") : "?"; }

int Show(CommandContext& c, const Mirroring& mirroring) {
  std::vector<Record> records;
  const PortLayout& layout = c.session.Identifier().Layout();
  for (size_t row = 0; row < mirroring.Rows().size(); ++row) {
    const MirrorRow& r = mirroring.Rows()[row];
    records.push_back({{"port", PanelName(layout, row)},
                       {"mirror", OnOffText(r.mirror)},
                       {"rx", OnOffText(r.receive)},
                       {"tx", OnOffText(r.transmit)}});
  }
  c.out.Array(records);
  return kExitOk;
}

// Connects, fills, and with operands switches role on or off on the ports they name: on port by
// port as the page does (one row at a time), stopping at the first refusal.
int Run(CommandContext& c, std::optional<MirrorRole> role) {
  std::optional<bool> on;
  if (role && !(on = OnOff(c.args.operands.at(1)))) return FeatureUsage(c, "PORTS on|off");
  FeatureContext context = FeaturesOf(c.session);
  Mirroring mirroring(context);
  if (const int e = c.session.Connect(c.args)) return e;
  if (const Outcome filled = mirroring.Fill(); filled != Outcome::kDone)
    return filled == Outcome::kNoAnswer ? SwitchLost(c, "the mirroring registers") : ExitCodeOf(filled);
  if (!role) return Show(c, mirroring);
  const auto rows = PortRows(c, c.args.operands[0]);
  if (!rows) return kExitUsage;
  Outcome outcome = Outcome::kDone;
  if (*on) {
    for (size_t i = 0; i < rows->size() && outcome == Outcome::kDone; ++i)
      outcome = mirroring.Enable(*role, (*rows)[i]);
  } else {
    outcome = mirroring.Disable(*role, *rows);
  }
  if (outcome == Outcome::kDone) return Show(c, mirroring);
  // Connected but lost: the check for this computer's management port had no hello answered.
  if (outcome == Outcome::kSwitchLost && c.session.GetConnection().State().connected)
    return SwitchLost(c, "the hello that tells the management port");
  return ExitCodeOf(outcome);
}

int MirrorShow(CommandContext& c) { return Run(c, std::nullopt); }
int MirrorPort(CommandContext& c) { return Run(c, MirrorRole::kMirror); }
int MirrorReceive(CommandContext& c) { return Run(c, MirrorRole::kReceive); }
int MirrorTransmit(CommandContext& c) { return Run(c, MirrorRole::kTransmit); }

}  // namespace

// The page "端口镜像设置": mirror ports and the ports whose frames they receive.
const std::vector<Command>& MirrorCommands() {
  static const std::vector<Command> commands{
      {"mirror", "mirror", 0, 0, MirrorShow},
      {"mirror-port", "mirror-port PORTS on|off [--yes]", 2, 2, MirrorPort},
      {"mirror-rx", "mirror-rx PORTS on|off", 2, 2, MirrorReceive},
      {"mirror-tx", "mirror-tx PORTS on|off", 2, 2, MirrorTransmit},
  };
  return commands;
}

}  // namespace velkor::cli
