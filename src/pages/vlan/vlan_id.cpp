#include "pages/vlan/vlan_id.h"

namespace velkor {

std::optional<int> ParseVlanId(std::string_view text) {
  if (text.empty() || text.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > 4094) return std::nullopt;
  return value;
}

}  // namespace velkor
