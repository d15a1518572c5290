#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velkor::cli {

// A command line: the command word, its operands and the options.
struct Arguments {
  std::string command;
  std::vector<std::string> operands;
  std::optional<std::string> iface;
  std::optional<std::string> switchMac;
  bool json = false;
  bool help = false;
  // The other options that take a value ("--watch 5" is {"watch", "5"}) and the flags ("--yes").
  std::map<std::string, std::string> values;
  std::set<std::string> flags;

  std::optional<std::string> Value(const std::string& name) const;
  bool Flag(const std::string& name) const { return flags.count(name) != 0; }
};

// The options every command accepts; a command ignores those that mean nothing to it.
inline const std::set<std::string> kValueOptions{"password",
                                                 "code",
                                                 "watch",
                                                 "rx",
                                                 "tx",
                                                 "speed",
                                                 "flow",
                                                 "state",
                                                 "vid",
                                                 "ports",
                                                 "source",
                                                 "ratio",
                                                 "password-file",
                                                 "new-password-file",
                                                 "broadcast-control",
                                                 "multicast-control",
                                                 "storm-filter",
                                                 "loop-detect",
                                                 "igmp-snooping",
                                                 "size",
                                                 "output"};
inline const std::set<std::string> kFlagOptions{"yes", "force", "live", "prometheus"};

// none (with error text) when an option is unknown or lacks its value.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, std::string& error);

// "0x1A" or "26"; none unless the whole text is a number not above max.
std::optional<uint32_t> ParseNumber(const std::string& text, uint32_t max);

inline constexpr uint32_t kMaxWatchSeconds = 86400;
// "SECONDS" or "SECONDSxCOUNT" of --watch: the interval and, when given, how many rounds to run.
bool ParseWatch(const std::string& text, uint32_t& seconds, std::optional<uint32_t>& count);

}  // namespace velkor::cli
