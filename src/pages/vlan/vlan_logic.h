#pragma once

#include "pages/vlan/dot1q_vlan.h"
#include "pages/vlan/port_vlan.h"
#include "pages/vlan/trunk_enabling.h"
#include "pages/vlan/vlan_settings.h"

namespace velkor {

// The logic of the three VLAN pages on one switch, with the two table images they share.
struct VlanLogic {
  explicit VlanLogic(VlanContext vlanContext) : context(vlanContext) {}

  VlanContext context;
  VlanTables tables;
  VlanSettings settings{context};
  PortVlan portBased{context, tables.portBased};
  Dot1qVlan dot1q{context, tables.dot1q};
  TrunkEnabling trunks{context, tables};
};

}  // namespace velkor
