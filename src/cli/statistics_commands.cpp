#include "cli/command.h"

namespace velkor::cli {

// Commands on traffic counters: stats, stats-unit.
const std::vector<Command>& StatisticsCommands() {
  static const std::vector<Command> commands{};
  return commands;
}

}  // namespace velkor::cli
