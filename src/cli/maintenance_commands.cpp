#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/maintenance_page.h"
#include "device/gbk_text.h"
#include "device/model.h"

namespace velkor::cli {

namespace {

// What a script reads on standard output once the operation is done, and its exit code either way.
int Reported(CommandContext& c, Outcome outcome, const char* done) {
  if (outcome == Outcome::kDone) c.out.Object({{done, true}});
  return ExitCodeOf(outcome);
}

int Save(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  CtlMaintenance maintenance(c.session);
  const Outcome outcome = maintenance.Page().SaveSettings();
  // The EEPROM already held every byte: it was read and verified, and nothing was written.
  const bool unchanged =
      c.session.GetConnection().State().modelCode != kModelG26A && maintenance.Page().LastSaveWritten() == 0;
  return Reported(c, outcome, unchanged ? "nothing_to_save" : "saved");
}

int FactoryReset(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  CtlMaintenance maintenance(c.session);
  return Reported(c, maintenance.Page().Button5Click(), "factory_reset");
}

// Ends only when the switch answers again after the restart, or has been given up.
int SoftReset(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  CtlMaintenance maintenance(c.session);
  return Reported(c, maintenance.Page().Button19Click(), "soft_reset");
}

// The description as the switch keeps it now, read afresh: the QX-G26A logs in without reading it.
int ShowDescription(CommandContext& c, CtlMaintenance& maintenance) {
  if (c.session.Transport().blocks.ReadSwitchDescription() != 0)
    return SwitchLost(c, "the switch description");
  maintenance.Description().SwitchInfoConfigShow();
  if (!c.session.GetConnection().State().connected) return kExitSwitchLost;
  c.out.Object({{"description", maintenance.DescriptionText()}});
  return kExitOk;
}

int Describe(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  CtlMaintenance maintenance(c.session);
  if (c.args.operands.empty()) return ShowDescription(c, maintenance);
  const std::string& wanted = c.args.operands[0];
  const std::string stored = GbkToUtf8(FitSwitchDescription(wanted));
  if (stored != wanted)
    c.err << "velkorctl: the description keeps at most 20 GBK bytes: \"" << stored << "\"\n";
  maintenance.SetDescriptionText(wanted);
  const Outcome outcome = maintenance.Description().Button7Click();
  if (outcome == Outcome::kDone) c.out.Object({{"description", stored}});
  return ExitCodeOf(outcome);
}

}  // namespace

// Commands on keeping settings: save, factory-reset, soft-reset, describe.
const std::vector<Command>& MaintenanceCommands() {
  static const std::vector<Command> commands{
      {"save", "save", 0, 0, Save},
      {"factory-reset", "factory-reset [--yes]", 0, 0, FactoryReset},
      {"soft-reset", "soft-reset", 0, 0, SoftReset},
      {"describe", "describe [TEXT]", 0, 1, Describe},
  };
  return commands;
}

}  // namespace velkor::cli
