#pragma once

#include "device/connection.h"
#include "device/outcome.h"
#include "device/prompter.h"

namespace velkor {

// Tells the user that the switch left a read or a write without the answer the work needed. A
// switch that fails the connection check has been reported and disconnected by it (kSwitchLost);
// one that still answers gets the switch-information error and ends as whileAnswering.
Outcome ReportUnanswered(Connection& connection, Prompter& prompter, Outcome whileAnswering);

}  // namespace velkor
