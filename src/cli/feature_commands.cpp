#include "cli/feature_commands.h"

#include "cli/exit_codes.h"
#include "cli/port_list.h"

namespace velkor::cli {

FeatureContext FeaturesOf(CtlSession& session) {
  return {session.Transport(), session.GetConnection(), session.Identifier(), session.Prompts()};
}

std::optional<std::vector<size_t>> PortRows(CommandContext& c, const std::string& text) {
  std::string error;
  auto rows = ParsePortList(text, c.session.Identifier().Layout(), error);
  if (!rows) c.err << "velkorctl: " << error << "\n";
  return rows;
}

std::optional<bool> OnOff(const std::string& text) {
  if (text == "on") return true;
  if (text == "off") return false;
  return std::nullopt;
}

int FeatureUsage(CommandContext& c, const std::string& expects) {
  c.err << "usage: velkorctl " << c.args.command << " " << expects << "\n";
  return kExitUsage;
}

}  // namespace velkor::cli
