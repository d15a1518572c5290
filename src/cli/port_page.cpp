#include "cli/port_page.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace velkor::cli {

namespace {

std::string Normalized(std::string_view text) {
  std::string out;
  for (char c : text)
    if (c != ' ') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

bool EndsWith(const std::string& s, std::string_view tail) {
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

struct Alias {
  const char* pageText;
  const char* forms[2];
};
constexpr Alias kAliases[] = {
    {"无限制", {"none", "unlimited"}}, {"打开", {"on", "enable"}},   {"启用", {"on", "enable"}},
    {"关闭", {"off", "disable"}},      {"禁止", {"off", "disable"}},
};

// "2mbps" and "2m"; "100mfull" and "100full"; the page text itself; and the words of kAliases.
std::vector<std::string> Forms(const PortSettingItem& item) {
  const std::string text = Normalized(item.text);
  std::vector<std::string> forms{text};
  if (EndsWith(text, "bps")) forms.push_back(text.substr(0, text.size() - 3));
  if (const size_t m = text.find("m"); item.column == PortColumn::kSpeed && m != std::string::npos)
    forms.push_back(text.substr(0, m) + text.substr(m + 1));
  for (const Alias& alias : kAliases)
    if (text == alias.pageText) forms.insert(forms.end(), std::begin(alias.forms), std::end(alias.forms));
  // A port's state also takes the words of its link.
  if (item.column == PortColumn::kSwitch) {
    if (std::find(forms.begin(), forms.end(), "on") != forms.end()) forms.push_back("up");
    if (std::find(forms.begin(), forms.end(), "off") != forms.end()) forms.push_back("down");
  }
  return forms;
}

using NamedItem = std::pair<PortSettingItem, std::vector<std::string>>;

// The items of column's menu (for the speed, then the full gigabit one) with their forms, built once.
const std::vector<NamedItem>& NamedItems(PortColumn column) {
  static const auto columns = [] {
    std::array<std::vector<NamedItem>, kPortColumnCount> named;
    for (const PortSettingItem& item : PortSettingItems())
      named[static_cast<size_t>(item.column)].emplace_back(item, Forms(item));
    named[static_cast<size_t>(PortColumn::kSpeed)].emplace_back(kFullGigabitItem, Forms(kFullGigabitItem));
    return named;
  }();
  return columns[static_cast<size_t>(column)];
}

}  // namespace

std::optional<size_t> CtlPortPage::FocusedRow() const {
  return selected_.empty() ? std::nullopt : std::optional<size_t>(selected_.front());
}

std::optional<PortSettingItem> ParseSettingValue(PortColumn column, const std::string& text) {
  const std::string wanted = Normalized(text);
  for (const auto& [item, forms] : NamedItems(column))
    if (std::find(forms.begin(), forms.end(), wanted) != forms.end()) return item;
  return std::nullopt;
}

}  // namespace velkor::cli
