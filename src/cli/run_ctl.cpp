#include "cli/run_ctl.h"

#include <algorithm>
#include <optional>

#include "cli/command.h"
#include "cli/command_help.h"
#include "cli/exit_codes.h"
#include "cli/local_stream.h"
#include "cli/port_list.h"

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
       "       velkorctl help [COMMAND]   or   velkorctl COMMAND --help\n"
       "commands:\n";
  for (const Command& c : AllCommands()) s << "  " << c.synopsis << "\n";
  s << "numbers are decimal or 0x hexadecimal; --iface and --switch may be left out when only one answers\n"
       "exit codes: 0 done, 1 written value does not read back, 2 usage, 3 no such interface,\n"
       "  4 no permission to capture, 5 no switch answered, 6 switch stopped answering (a value it did not\n"
       "  give shows as ?), 7 capture error, 8 not connected or not confirmed (login refused, a question\n"
       "  answered no, switch not identified), 9 refused by the switch's rules or the page's checks\n"
       "  (trunk member, management port, VID in use; nothing written)\n"
       "with --json, a failure prints {\"error\": {\"code\": EXIT CODE, \"message\": TEXT}} on standard "
       "output\n";
}

std::optional<Command> Find(const std::string& name) {
  static const std::vector<Command> all = AllCommands();
  for (const Command& command : all)
    if (name == command.name) return command;
  return std::nullopt;
}

// `help`, `help CMD` and `CMD --help`; none when the command line asks for something else.
std::optional<int> Help(const Arguments& args, std::ostream& out, std::ostream& err) {
  const bool word = args.command == "help";
  if (!word && !args.help) return std::nullopt;
  const std::string name = word ? (args.operands.empty() ? "" : args.operands[0]) : args.command;
  if (name.empty()) {
    Usage(out);
    return kExitOk;
  }
  const auto command = Find(name);
  if (!command) {
    err << "velkorctl: unknown command '" << name << "'\n";
    return kExitUsage;
  }
  PrintCommandHelp(out, *command);
  return kExitOk;
}

int Dispatch(const Arguments& args, PacketBackend& backend, Clock& clock, Terminal& terminal, Output& output,
             std::ostream& err) {
  const auto command = Find(args.command);
  if (!command) {
    err << "velkorctl: unknown command '" << args.command << "'\n";
    Usage(err);
    return kExitUsage;
  }
  if (args.operands.size() < command->minOperands || args.operands.size() > command->maxOperands) {
    err << "usage: velkorctl " << command->synopsis << "\n";
    return kExitUsage;
  }
  std::string error;
  if (!PortOperandsPlausible(*command, args.operands, error)) {
    err << "velkorctl: " << error << "\n";
    return kExitUsage;
  }
  CtlSession session(backend, clock, terminal, err);
  CommandContext context{args, session, output, err};
  return command->run(context);
}

// What a failed command said, as one line: its own sentences without the program's name (the
// usage that may follow is left to the error stream).
std::string ErrorMessage(const std::string& written) {
  std::string message;
  for (size_t start = 0; start < written.size();) {
    size_t end = written.find('\n', start);
    if (end == std::string::npos) end = written.size();
    const std::string line = written.substr(start, end - start);
    if (line.rfind("velkorctl: ", 0) == 0 || line.rfind("usage: ", 0) == 0 || message.empty())
      message += (message.empty() ? "" : "; ") + line.substr(line.rfind("velkorctl: ", 0) == 0 ? 11 : 0);
    start = end + 1;
  }
  return message;
}

}  // namespace

int RunCtl(const std::vector<std::string>& args, PacketBackend& backend, Clock& clock, Terminal& terminal,
           std::ostream& out, std::ostream& err) {
  LocalStream errors(err, terminal);
  std::string error;
  const auto parsed = ParseArguments(args, error);
  if (parsed)
    if (const auto code = Help(*parsed, out, errors)) return *code;
  const bool json = parsed ? parsed->json : std::find(args.begin(), args.end(), "--json") != args.end();
  Output output(out, json, &terminal);
  int code = kExitUsage;
  if (!parsed) {
    errors << "velkorctl: " << error << "\n";
    Usage(errors);
  } else {
    code = Dispatch(*parsed, backend, clock, terminal, output, errors);
  }
  errors.flush();
  if (json && code != kExitOk)
    out << "{\"error\": {\"code\": " << code
        << ", \"message\": " << JsonString(ErrorMessage(errors.Written())) << "}}\n";
  else if (json && !output.Printed())
    out << "{\"done\": true}\n";
  return code;
}

}  // namespace velkor::cli
