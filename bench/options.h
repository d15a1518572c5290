#pragma once

#include <cstdlib>
#include <map>
#include <string>

namespace velkor::bench {

// "--key value" pairs: --iface names the interface, every other key sets the number it names.
// False for an unknown key, a key without its value, or no interface.
inline bool ParseKeyValues(int argc, char** argv, std::string& iface,
                           const std::map<std::string, int*>& numbers) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i];
    if (key == "--iface") {
      iface = argv[i + 1];
    } else if (const auto number = numbers.find(key); number != numbers.end()) {
      *number->second = std::atoi(argv[i + 1]);
    } else {
      return false;
    }
  }
  return !iface.empty() && argc % 2 == 1;
}

}  // namespace velkor::bench
