#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velkor {

enum class VlanMode { kUndefined = -1, kDisabled = 0, kPortBased = 1, kDot1q = 2 };

// The mode the control register holds; undefined for a combination of its bits no mode has.
VlanMode DecodeVlanMode(uint32_t control);
// The mode's word on the command line and in configurations: off, port, dot1q or unknown.
std::string VlanModeName(VlanMode mode);
// The control register's bits 0, 4 and 5 for a mode change to mode.
uint32_t ModeBits(VlanMode mode);

}  // namespace velkor
