#pragma once

#include <optional>
#include <string_view>

namespace velkor {

// A VLAN ID as the user types it: 1 to 4 characters, a leading digit, nothing but the decimal
// number, from 1 to 4094 ("0007" is 7).
std::optional<int> ParseVlanId(std::string_view text);

}  // namespace velkor
