#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velkor {

using Mac = std::array<uint8_t, 6>;

inline constexpr Mac kBroadcastMac{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
inline constexpr Mac kZeroMac{};

// "%.2X:%.2X:%.2X:%.2X:%.2X:%.2X": the form every table and list shows.
std::string FormatMac(const Mac& mac);

// Accepts "aa:bb:cc:dd:ee:ff" or "aa-bb-cc-dd-ee-ff", either case.
std::optional<Mac> ParseMac(std::string_view text);

}  // namespace velkor
