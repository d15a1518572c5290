#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace velkor {

// The switch keeps its connection password as at most six GBK bytes; what the user types is UTF-8.

// The GBK bytes of typed that the switch compares: at most six, cut before a character that would
// not fit whole. None when typed has a character without a GBK form: no stored password holds it.
std::optional<std::vector<uint8_t>> PasswordBytes(std::string_view typed);

// Whether typed is the password stored holds: its bytes up to the first zero, case-sensitive.
bool PasswordMatches(std::string_view typed, std::span<const uint8_t> stored);

}  // namespace velkor
