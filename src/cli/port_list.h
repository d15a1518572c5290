#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/port_captions.h"
#include "device/port_layout.h"

namespace velkor::cli {

// Ports as the front panel names them: "1".."24" for Fast Ethernet, "G1", "G2" for gigabit; a list
// is comma-separated, with ranges of Fast Ethernet ports ("1,3-5,G1"), or "all". The result is list
// rows of layout (Fast Ethernet rows first, then gigabit), each once, in ascending order; none with
// the reason in error when a name is malformed or the switch has no such port.
std::optional<std::vector<size_t>> ParsePortList(std::string_view text, const PortLayout& layout,
                                                 std::string& error);

struct Command;

// Checks the operands the command's synopsis calls PORT or PORTS against the widest switch of any
// model, so a list no switch could have ("0", "G3", "1-") is refused before logging in; false
// with the reason in error.
bool PortOperandsPlausible(const Command& command, const std::vector<std::string>& operands,
                           std::string& error);

}  // namespace velkor::cli
