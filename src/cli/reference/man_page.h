#pragma once

#include <ostream>
#include <string_view>

namespace velkor::cli {

// The velkorctl(1) manual page in roff, its command list made from the command table.
void WriteManPage(std::ostream& out, std::string_view version);

}  // namespace velkor::cli
