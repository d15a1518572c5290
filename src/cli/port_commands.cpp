#include "cli/command.h"

namespace velkor::cli {

// Commands on port settings and descriptions: ports, port-set, port-describe.
const std::vector<Command>& PortCommands() {
  static const std::vector<Command> commands{};
  return commands;
}

}  // namespace velkor::cli
