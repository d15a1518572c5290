#pragma once

#include <string_view>

namespace velkor {

// The model code a switch announces in its hello reply and keeps in the low nibble of its model byte.
inline constexpr int kModelF16A = 1;
inline constexpr int kModelF8A = 2;
inline constexpr int kModelF24A = 3;
inline constexpr int kModelG17A = 4;
// A second code of the QX-G17A: it has a default block, but no name of its own.
inline constexpr int kModelG17AAlternate = 5;
inline constexpr int kModelG26A = 6;
inline constexpr int kModelF8B = 7;

// The switch list's model column; "未知" for a code the system does not manage.
std::string_view ModelName(int code);

}  // namespace velkor
