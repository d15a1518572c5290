#include "cli/port_list.h"

#include <set>

#include "cli/arguments.h"
#include "cli/command.h"

namespace velkor::cli {
namespace {

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  for (size_t end; (end = text.find(separator, start)) != std::string_view::npos; start = end + 1)
    parts.push_back(text.substr(start, end - start));
  parts.push_back(text.substr(start));
  return parts;
}

// A Fast Ethernet port number from 1 to the layout's count.
std::optional<size_t> FeNumber(std::string_view text, const PortLayout& layout) {
  const auto n = ParseNumber(std::string(text), 255);
  if (!n || *n < 1 || *n > static_cast<uint32_t>(layout.FeCount())) return std::nullopt;
  return *n;
}

}  // namespace

std::optional<std::vector<size_t>> ParsePortList(std::string_view text, const PortLayout& layout,
                                                 std::string& error) {
  std::set<size_t> rows;
  if (text == "all") {
    for (size_t r = 0; r < layout.RowCount(); ++r) rows.insert(r);
    return std::vector<size_t>(rows.begin(), rows.end());
  }
  for (std::string_view part : Split(text, ',')) {
    if (part.size() == 2 && (part[0] == 'G' || part[0] == 'g') && (part[1] == '1' || part[1] == '2')) {
      const size_t giga = static_cast<size_t>(part[1] - '1');
      if (giga >= static_cast<size_t>(layout.GCount())) {
        error = "this switch has no port " + std::string(part);
        return std::nullopt;
      }
      rows.insert(static_cast<size_t>(layout.FeCount()) + giga);
      continue;
    }
    const auto range = Split(part, '-');
    const auto first = range.size() <= 2 ? FeNumber(range.front(), layout) : std::nullopt;
    const auto last = range.size() == 2 ? FeNumber(range.back(), layout) : first;
    if (!first || !last || *last < *first) {
      error = "not a port of this switch: " + std::string(part);
      return std::nullopt;
    }
    for (size_t n = *first; n <= *last; ++n) rows.insert(n - 1);
  }
  return std::vector<size_t>(rows.begin(), rows.end());
}

bool PortOperandsPlausible(const Command& command, const std::vector<std::string>& operands,
                           std::string& error) {
  static const PortLayout widest = MakePortLayout(kChipFamily8326, 24, 2, {24, 25});
  const auto words = Split(command.synopsis, ' ');
  // The operands are the words after the name, up to the first option or note.
  for (size_t i = 1, operand = 0; i < words.size() && operand < operands.size(); ++i) {
    std::string_view word = words[i];
    while (!word.empty() && word.front() == '[') word.remove_prefix(1);
    while (!word.empty() && word.back() == ']') word.remove_suffix(1);
    if (word.empty()) continue;
    if (word.rfind("--", 0) == 0 || word.front() == '(') break;
    if ((word == "PORTS" || word == "PORT") && !ParsePortList(operands[operand], widest, error)) {
      error = "no switch has the ports " + operands[operand];
      return false;
    }
    ++operand;
  }
  return true;
}

}  // namespace velkor::cli
