#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/maintenance_page.h"
#include "device/gbk_text.h"
#include "device/message_table.h"

namespace velkor::cli {

namespace {

// How a save or reset ended, from what it told the user: the texts are already on the error stream.
int Ending(CommandContext& c, MessageId success) {
  const CtlPrompter& prompts = c.session.Prompts();
  if (prompts.Showed(Message(success))) return kExitOk;
  if (prompts.Showed(Message(MessageId::kConnectionLost))) return kExitSwitchLost;
  return kExitFailure;
}

int Save(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  CtlMaintenance maintenance(c.session);
  maintenance.Page().SaveSettings();
  return Ending(c, MessageId::kSaveDone);
}

int FactoryReset(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  CtlMaintenance maintenance(c.session);
  maintenance.Page().Button5Click();
  const CtlPrompter& prompts = c.session.Prompts();
  if (prompts.Shown().size() == 1 && prompts.Showed(Message(MessageId::kConfirmFactoryReset)))
    return kExitUsage;
  return Ending(c, MessageId::kFactoryResetDone);
}

int SoftReset(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  CtlMaintenance maintenance(c.session);
  if (!maintenance.Page().Button19Click()) return SwitchLost(c, "the restarted switch");
  c.out.Object({{"soft_reset", true}});
  return kExitOk;
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
  maintenance.Description().Button7Click();
  if (!c.session.Prompts().Showed(kDescriptionChanged))
    return c.session.GetConnection().State().connected ? kExitFailure : kExitSwitchLost;
  c.out.Object({{"description", stored}});
  return kExitOk;
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
