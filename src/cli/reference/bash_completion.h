#pragma once

#include <ostream>

namespace velkor::cli {

// A bash completion script for velkorctl, made from the command table: command names, then each
// command's options, keywords and files, interface names after --iface.
void WriteBashCompletion(std::ostream& out);

}  // namespace velkor::cli
