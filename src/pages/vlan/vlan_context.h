#pragma once

#include "pages/switch/feature_context.h"

namespace velkor {

// What the VLAN pages reach: the switch, the connection, and the user.
struct VlanContext : FeatureContext {
  // A read stayed unanswered: nothing was written from it; the user is told, unless the
  // connection has gone (then that was said).
  Outcome Unanswered(Outcome whileAnswering = Outcome::kNoAnswer);
  // A write did not read back: the user is told, and the connection ends.
  Outcome WriteFailed();
};

}  // namespace velkor
