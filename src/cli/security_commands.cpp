#include "cli/exit_codes.h"
#include "cli/feature_commands.h"
#include "cli/password_source.h"
#include "cli/port_list.h"
#include "device/gbk_text.h"
#include "pages/switch/security.h"
#include "transport/eeprom_blocks.h"

namespace velkor::cli {

namespace {

int Open(CommandContext& c, Security& security) {
  if (const int e = c.session.Connect(c.args)) return e;
  const Outcome filled = security.Fill();
  if (filled == Outcome::kNoAnswer) return SwitchLost(c, "the management-port registers");
  return ExitCodeOf(filled);
}

int ShowPorts(CommandContext& c, const Security& security) {
  std::vector<Record> records;
  const PortLayout& layout = c.session.Identifier().Layout();
  const auto& rows = security.State().rows;
  for (size_t row = 0; row < rows.size(); ++row) {
    const auto& off = rows[row].set;
    records.push_back({{"port", PanelName(layout, row)}, {"management", off ? (*off ? "off" : "on") : "?"}});
  }
  c.out.Array(records);
  return kExitOk;
}

int ManagementPorts(CommandContext& c) {
  const auto on = c.args.operands.size() == 2 ? OnOff(c.args.operands[1]) : std::nullopt;
  if (c.args.operands.size() == 1 || (c.args.operands.size() == 2 && !on))
    return FeatureUsage(c, "[PORTS on|off]");
  FeatureContext context = FeaturesOf(c.session);
  Security security(context);
  if (const int e = Open(c, security)) return e;
  if (!on) return ShowPorts(c, security);
  const auto rows = PortRows(c, c.args.operands[0]);
  if (!rows) return kExitUsage;
  const Outcome outcome = security.SetManagement(*rows, *on);
  // The ports that were not refused changed: the list shows them even when one was refused.
  if (outcome == Outcome::kDone || outcome == Outcome::kRefused) ShowPorts(c, security);
  return ExitCodeOf(outcome);
}

// The new password, twice: from the file, or typed twice without echo. none after a usage error.
std::optional<std::pair<std::string, std::string>> NewPassword(CommandContext& c) {
  if (const auto path = c.args.Value("new-password-file")) {
    const PasswordText read = ReadPasswordFile(*path);
    if (!read.password) {
      c.err << "velkorctl: " << read.error << "\n";
      return std::nullopt;
    }
    return std::pair{*read.password, *read.password};
  }
  Terminal& terminal = c.session.GetTerminal();
  if (!terminal.Interactive()) {
    c.err
        << "velkorctl: password: give the new password in --new-password-file FILE (- for standard input)\n";
    return std::nullopt;
  }
  const auto next = terminal.ReadLine("New connection password: ", true);
  const auto again = next ? terminal.ReadLine("New connection password again: ", true) : std::nullopt;
  if (!again) return std::nullopt;
  return std::pair{terminal.FromLocal(*next), terminal.FromLocal(*again)};
}

int Password(CommandContext& c) {
  const auto entries = NewPassword(c);
  if (!entries) return kExitUsage;
  const auto gbk = Utf8ToGbk(entries->first);
  if (!gbk || gbk->size() > kPasswordSize) {
    c.err << "velkorctl: the new password must be at most " << kPasswordSize << " GBK bytes\n";
    return kExitRefused;
  }
  FeatureContext context = FeaturesOf(c.session);
  Security security(context);
  if (const int e = Open(c, security)) return e;
  if (!security.State().passwordShown) {
    c.err << "velkorctl: this model has no connection password\n";
    return kExitRefused;
  }
  const std::string current = c.session.LoginPasswordUsed().value_or("");
  return ExitCodeOf(security.ChangePassword(current, entries->first, entries->second));
}

}  // namespace

// The page "安全设置": the connection password and the management ports.
const std::vector<Command>& SecurityCommands() {
  static const std::vector<Command> commands{
      {"mgmt-ports", "mgmt-ports [PORTS on|off]", 0, 2, ManagementPorts},
      {"password", "password [--new-password-file FILE|-] [--yes]  (the current one is the login's)", 0, 0,
       Password},
  };
  return commands;
}

}  // namespace velkor::cli
