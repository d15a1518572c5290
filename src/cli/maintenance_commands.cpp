#include "cli/command.h"

namespace velkor::cli {

// Commands on keeping settings: save, factory-reset, soft-reset, describe.
const std::vector<Command>& MaintenanceCommands() {
  static const std::vector<Command> commands{};
  return commands;
}

}  // namespace velkor::cli
