#pragma once

#include <cstdint>
#include <string_view>

namespace velkor {

// Reads an integer as C's strtol does: leading white space skipped, an optional sign, then digits
// of base until the first character that does not fit; text without a number reads as 0. Base 0
// takes "0x" for hexadecimal and a leading "0" for octal, as typed in the engineering fields. The
// result wraps to 32 bits, as the fields pass numbers on without range checks.
uint32_t ParseCNumber(std::string_view text, int base);

}  // namespace velkor
