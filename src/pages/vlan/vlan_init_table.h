#pragma once

#include "pages/vlan/vlan_context.h"
#include "pages/vlan/vlan_mode.h"

namespace velkor {

// Rewrites the whole VLAN table and every port's table index to the default of target, and clears
// the insert bits (not on the QX-G26A). kNoAnswer, with nothing written, when a read was lost.
Outcome InitVlanTable(VlanContext& c, VlanMode target);

}  // namespace velkor
