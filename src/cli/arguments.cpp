#include "cli/arguments.h"

#include <cerrno>
#include <cstdlib>

namespace velkor::cli {

std::optional<Arguments> ParseArguments(const std::vector<std::string>& args, std::string& error) {
  Arguments a;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    auto value = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) {
        error = word + " needs a value";
        return std::nullopt;
      }
      return args[++i];
    };
    if (word == "--iface") {
      if (!(a.iface = value())) return std::nullopt;
    } else if (word == "--switch") {
      if (!(a.switchMac = value())) return std::nullopt;
    } else if (word == "--json") {
      a.json = true;
    } else if (word == "--help" || word == "-h") {
      a.help = true;
    } else if (word.rfind("--", 0) == 0 && kValueOptions.count(word.substr(2))) {
      const auto v = value();
      if (!v) return std::nullopt;
      a.values[word.substr(2)] = *v;
    } else if (word.rfind("--", 0) == 0 && kFlagOptions.count(word.substr(2))) {
      a.flags.insert(word.substr(2));
    } else if (word.rfind("--", 0) == 0) {
      error = "unknown option " + word;
      return std::nullopt;
    } else if (a.command.empty()) {
      a.command = word;
    } else {
      a.operands.push_back(word);
    }
  }
  return a;
}

std::optional<std::string> Arguments::Value(const std::string& name) const {
  const auto it = values.find(name);
  if (it == values.end()) return std::nullopt;
  return it->second;
}

std::optional<uint32_t> ParseNumber(const std::string& text, uint32_t max) {
  if (text.empty() || text[0] == '-' || text[0] == '+') return std::nullopt;
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  char* end = nullptr;
  errno = 0;
  const unsigned long long n = std::strtoull(text.c_str() + (hex ? 2 : 0), &end, hex ? 16 : 10);
  if (errno != 0 || *end != '\0' || end == text.c_str() + (hex ? 2 : 0) || n > max) return std::nullopt;
  return static_cast<uint32_t>(n);
}

bool ParseWatch(const std::string& text, uint32_t& seconds, std::optional<uint32_t>& count) {
  const size_t x = text.find('x');
  const auto s = ParseNumber(text.substr(0, x), kMaxWatchSeconds);
  if (!s || *s == 0) return false;
  seconds = *s;
  if (x == std::string::npos) return true;
  count = ParseNumber(text.substr(x + 1), UINT32_MAX);
  return count && *count != 0;
}

}  // namespace velkor::cli
