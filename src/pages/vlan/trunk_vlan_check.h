#pragma once

#include <cstdint>

#include "pages/vlan/vlan_context.h"
#include "pages/vlan/vlan_table.h"

namespace velkor {

// Fills table with the member masks of all 32 802.1Q groups (VIDs are not read); false, and the
// table cleared, when a reply was lost.
bool ReadDot1qMembers(VlanContext& context, VlanTable& table);

// The 0-based row of the first VLAN entry that holds some but not all of trunk (a chip port mask),
// or -1. On the 802.1Q table a row is a group; on the port-based table a port's row in page order,
// which fails when the port's allowed set splits trunk, or when the port is a member and the set
// does not hold the whole group.
int FindSplittingEntry(const VlanTable& table, const PortLayout& layout, uint32_t trunk);

// Whether the VLAN configuration on the chip lets the trunk group trunk be enabled: kDone, or
// kRefused after telling the user what to fix. A lost reply is never taken as a pass (kNoAnswer).
Outcome CheckTrunkVlanConsistency(VlanContext& context, VlanTables& tables, uint32_t trunk);

}  // namespace velkor
