#pragma once

#include <string>

#include "device/cascade.h"

namespace velkor::cli {

// The cascade as an indented tree, one switch a line, children under their upstream with the
// upstream's port they hang on.
std::string TopologyText(const Discovery& discovery, const Cascade& cascade);
// The cascade as nested JSON: each switch with its MAC, model, the port it hangs on and children.
std::string TopologyJson(const Discovery& discovery, const Cascade& cascade);

}  // namespace velkor::cli
