#include "cli/command.h"

namespace velkor::cli {

// Commands on the connected switch itself: info, recover-password.
const std::vector<Command>& LoginCommands() {
  static const std::vector<Command> commands{};
  return commands;
}

}  // namespace velkor::cli
