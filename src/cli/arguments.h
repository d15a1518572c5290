#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velkor::cli {

// A command line: the command word, its operands and the common options.
struct Arguments {
  std::string command;
  std::vector<std::string> operands;
  std::optional<std::string> iface;
  std::optional<std::string> switchMac;
  bool json = false;
  bool help = false;
};

// none (with error text) when an option is unknown or lacks its value.
std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, std::string& error);

// "0x1A" or "26"; none unless the whole text is a number not above max.
std::optional<uint32_t> ParseNumber(const std::string& text, uint32_t max);

}  // namespace velkor::cli
