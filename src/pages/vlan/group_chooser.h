#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velkor {

// TVlanSelectionDlg without its widgets: the non-empty groups a port belongs to.
struct GroupChooser {
  std::vector<std::string> items;  // "01" … "32"
  std::vector<int> entries;        // the table entry behind each item
  std::optional<size_t> selected;  // the first item is preselected

  // "确定": the chosen entry, or none when nothing is selected.
  std::optional<int> Chosen() const {
    if (!selected || *selected >= entries.size()) return std::nullopt;
    return entries[*selected];
  }
};

}  // namespace velkor
