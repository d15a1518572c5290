#pragma once

#include <string>

#include "sim/segment.h"
#include "sim/sim_options.h"
#include "transport/clock.h"

namespace velkor::sim {

// Adds the switches, links, traffic and faults of the options to an empty segment; false with
// error text when a parent or a fault names a switch that does not come before it.
bool BuildSegment(const SimOptions& options, Segment& segment, Clock& clock, std::string& error);

}  // namespace velkor::sim
