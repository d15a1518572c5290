#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/maintenance_page.h"

namespace velkor::cli {

namespace {

int Reported(CommandContext& c, Outcome outcome, const char* done) {
  if (outcome == Outcome::kDone) c.out.Object({{done, c.args.operands[0]}});
  return ExitCodeOf(outcome);
}

int Export(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  CtlMaintenance maintenance(c.session);
  return Reported(c, maintenance.Transfer().Export(c.args.operands[0]), "exported");
}

// Asks before replacing the switch's configuration unless --yes answered already.
int Import(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  CtlMaintenance maintenance(c.session);
  return Reported(c, maintenance.Transfer().Import(c.args.operands[0], false), "imported");
}

}  // namespace

// Commands on configuration files: export, import.
const std::vector<Command>& ConfigCommands() {
  static const std::vector<Command> commands{
      {"export", "export FILE", 1, 1, Export},
      {"import", "import FILE [--yes]", 1, 1, Import},
  };
  return commands;
}

}  // namespace velkor::cli
