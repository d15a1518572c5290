#pragma once

#include <vector>

#include "pages/ports/port_settings.h"
#include "pages/vlan/vlan_batch.h"
#include "pages/vlan/vlan_context.h"
#include "pages/vlan/vlan_table.h"

namespace velkor {

// Switching whole trunk groups on and off. A group goes on only when none of its members takes
// part in mirroring and the VLANs treat its members alike; its members are then put back to the
// default settings, which the port settings page keeps while the group stays on.
// Whether the reset of the members is told (the page) or asked about first (the command line).
enum class ResetNotice { kTell, kAsk };

class TrunkEnabling {
 public:
  TrunkEnabling(VlanContext& context, VlanTables& tables) : c_(context), tables_(tables) {}

  // Enables the group of chipPort. kDone with nothing written when it is on already; kRefused
  // (the user told why) for a port no group holds, a mirroring member or a VLAN split; nothing is
  // written when a read is lost. The user is told of the reset before it happens, or asked
  // (kNotConfirmed unless Yes).
  Outcome Enable(int chipPort, ResetNotice notice = ResetNotice::kTell);
  // Disables the groups of chipPorts in one write; the members keep their settings.
  Outcome Disable(const std::vector<int>& chipPorts);
  // Every port of an enabled group back to default settings (on, no rate limits, every mode
  // advertised, pause on), then a soft reset of the chip.
  Outcome ResetTrunkMembers();

 private:
  Outcome Lost();
  // Every member setting register of the switch's chip ports, for ResetMembers.
  void QueueMemberRegisters(VlanBatch& batch) const;
  void ResetMembers(VlanBatch& batch, uint32_t trunked) const;
  Outcome SoftReset();

  VlanContext& c_;
  VlanTables& tables_;
};

// The port settings page's trunk sub-menu: "启用" acts on the first selected row when its group is
// off, "禁止" on every selected row whose group is on; both refill the page.
Outcome TrunkingEnabledClick(PortSettings& page, TrunkEnabling& trunks);
Outcome TrunkingDisabledClick(PortSettings& page, TrunkEnabling& trunks);

}  // namespace velkor
