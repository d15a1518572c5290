#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/output.h"
#include "cli/session.h"

namespace velkor::cli {

// What one command gets to run with.
struct CommandContext {
  const Arguments& args;
  CtlSession& session;
  Output& out;
  std::ostream& err;
};

struct Command {
  const char* name;
  const char* synopsis;
  size_t minOperands;
  size_t maxOperands;
  int (*run)(CommandContext&);
};

// The command groups, each in its own file.
const std::vector<Command>& SegmentCommands();
const std::vector<Command>& RegisterCommands();
const std::vector<Command>& PhyCommands();
const std::vector<Command>& EepromCommands();
const std::vector<Command>& LoginCommands();
const std::vector<Command>& StatisticsCommands();
const std::vector<Command>& PortCommands();
const std::vector<Command>& MaintenanceCommands();
const std::vector<Command>& ConfigCommands();
const std::vector<Command>& ConfigViewCommands();
const std::vector<Command>& VlanCommands();
const std::vector<Command>& QosCommands();
const std::vector<Command>& SecurityCommands();
const std::vector<Command>& MirrorCommands();
const std::vector<Command>& GlobalCommands();
const std::vector<Command>& TrunkCommands();
const std::vector<Command>& StatusCommands();
const std::vector<Command>& EngineeringCommands();
// Every command, in the order the usage lists them.
std::vector<Command> AllCommands();

// Reports a read that got no reply; never prints a lost value as 0.
int SwitchLost(CommandContext& c, const std::string& what);
// Connects and reads the port descriptions, which only the commands that show them read.
int ConnectWithDescriptions(CommandContext& c);
// Reports a write whose readback differs; never claims success without it.
int ReadsBackOther(CommandContext& c, const std::string& what, uint32_t back, uint32_t written, int digits);
// Operand i as a number not above max, or a usage error on the error stream.
bool NumberOperand(CommandContext& c, size_t i, uint32_t max, uint32_t& value);

}  // namespace velkor::cli
