#include "cli/run_ctl.h"

#include "cli/command.h"
#include "cli/exit_codes.h"

namespace velkor::cli {

int SwitchLost(CommandContext& c, const std::string& what) {
  c.err << "velkorctl: the switch did not answer (" << what << ")\n";
  return kExitSwitchLost;
}

int ConnectWithDescriptions(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  return c.session.GetConnection().ReadDescriptions() ? kExitOk : SwitchLost(c, "the port descriptions");
}

int ReadsBackOther(CommandContext& c, const std::string& what, uint32_t back, uint32_t written, int digits) {
  c.err << "velkorctl: " << what << " reads back " << Hex(back, digits) << ", not " << Hex(written, digits)
        << "\n";
  return kExitFailure;
}

bool NumberOperand(CommandContext& c, size_t i, uint32_t max, uint32_t& value) {
  const auto n = ParseNumber(c.args.operands.at(i), max);
  if (!n) {
    c.err << "velkorctl: " << c.args.command << ": not a number from 0 to " << Hex(max, 1) << ": "
          << c.args.operands[i] << "\n";
    return false;
  }
  value = *n;
  return true;
}

std::vector<Command> AllCommands() {
  std::vector<Command> all;
  for (const auto* group :
       {&SegmentCommands(), &RegisterCommands(), &PhyCommands(), &EepromCommands(), &LoginCommands(),
        &StatisticsCommands(), &PortCommands(), &MaintenanceCommands(), &VlanCommands(), &QosCommands(),
        &SecurityCommands(), &MirrorCommands(), &GlobalCommands(), &TrunkCommands(), &StatusCommands(),
        &ConfigCommands(), &ConfigViewCommands(), &EngineeringCommands()})
    all.insert(all.end(), group->begin(), group->end());
  return all;
}

namespace {

void Usage(std::ostream& s) {
  s << "usage: velkorctl COMMAND [OPERANDS] [--iface NAME] [--switch MAC] [--password PASSWORD |\n"
       "  --password-file FILE] [--yes] [--json]   (VELKOR_PASSWORD, when set, is the login password)\n"
       "commands:\n";
  for (const Command& c : AllCommands()) s << "  " << c.synopsis << "\n";
  s << "numbers are decimal or 0x hexadecimal; --iface and --switch may be left out when only one answers\n"
       "exit codes: 0 done, 1 written value does not read back, 2 usage, 3 no such interface,\n"
       "  4 no permission to capture, 5 no switch answered, 6 switch stopped answering (a value it did not\n"
       "  give shows as ?), 7 capture error, 8 not connected or not confirmed (login refused, a question\n"
       "  answered no, switch not identified), 9 refused by the switch's rules or the page's checks\n"
       "  (trunk member, management port, VID in use; nothing written)\n";
}

}  // namespace

int RunCtl(const std::vector<std::string>& args, PacketBackend& backend, Clock& clock, Terminal& terminal,
           std::ostream& out, std::ostream& err) {
  std::string error;
  const auto parsed = ParseArguments(args, error);
  if (!parsed) {
    err << "velkorctl: " << error << "\n";
    Usage(err);
    return kExitUsage;
  }
  if (parsed->help) {
    Usage(out);
    return kExitOk;
  }
  for (const Command& command : AllCommands()) {
    if (parsed->command != command.name) continue;
    if (parsed->operands.size() < command.minOperands || parsed->operands.size() > command.maxOperands) {
      err << "usage: velkorctl " << command.synopsis << "\n";
      return kExitUsage;
    }
    CtlSession session(backend, clock, terminal, err);
    Output output(out, parsed->json);
    CommandContext context{*parsed, session, output, err};
    return command.run(context);
  }
  err << "velkorctl: unknown command '" << parsed->command << "'\n";
  Usage(err);
  return kExitUsage;
}

}  // namespace velkor::cli
