#pragma once

#include <ostream>
#include <string_view>

namespace velkor::cli {

struct Command;

// What `velkorctl help CMD` says about a command beyond its synopsis.
struct CommandHelp {
  const char* name;
  const char* description;
  const char* example;
};

// The help of the command named name; none for a command without one.
const CommandHelp* HelpOf(std::string_view name);

// The synopsis, description, options and example of command.
void PrintCommandHelp(std::ostream& s, const Command& command);

// The options every command accepts, one "  --name VALUE  meaning" line each.
void PrintCommonOptions(std::ostream& s);

}  // namespace velkor::cli
