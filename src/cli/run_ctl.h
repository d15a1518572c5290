#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/terminal.h"
#include "transport/clock.h"
#include "transport/packet_io.h"

namespace velkor::cli {

// velkorctl without its process: the tests run it over the in-memory wire.
int RunCtl(const std::vector<std::string>& args, PacketBackend& backend, Clock& clock, Terminal& terminal,
           std::ostream& out, std::ostream& err);

}  // namespace velkor::cli
