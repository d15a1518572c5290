#pragma once

#include <cstdint>

#include "pages/vlan/vlan_table.h"
#include "transport/register_values.h"

namespace velkor {

// The VLAN table registers' meaning, from register values however they were got. A register
// without a value decodes as 0: the pages read in batches that say whether every register answered.

// The table entry chip port p is mapped to (0-31).
int PortVlanIndexOf(const RegisterValues& values, int chipPort);
// Entry e's VID (bits 0-11) and members (bit p = chip port p, not yet limited to a switch's ports).
VlanEntry VlanEntryOf(const RegisterValues& values, int e);

}  // namespace velkor
