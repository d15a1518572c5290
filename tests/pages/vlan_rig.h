#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/vlan/dot1q_vlan.h"
#include "pages/vlan/port_vlan.h"
#include "pages/vlan/vlan_settings.h"
#include "support/emulated_connection.h"

namespace velkor::testing {

// One emulated switch of the given model, connected, with the three VLAN pages on it and the
// tables reset as connecting resets them.
struct VlanRig : EmulatedConnection<> {
  explicit VlanRig(uint8_t modelCode) : EmulatedConnection(modelCode) {
    tables.Reset(connection.State().modelCode, Layout());
    settings.Connected();
    settings.Fill();
    Agent().ClearHistory();
  }

  const PortLayout& Layout() const { return identifier.Layout(); }
  // Enters mode with the page's own mode change, answering its question Yes, and fills its page.
  void EnterMode(VlanMode mode) {
    if (settings.Mode() == VlanMode::kPortBased || settings.Mode() == VlanMode::kDot1q)
      prompter.Script(Answer::kYes);
    settings.ApplyVlanMode(mode);
    if (mode == VlanMode::kPortBased) portBased.Fill();
    if (mode == VlanMode::kDot1q) dot1q.Fill();
    prompter.shown.clear();
    Agent().ClearHistory();
  }

  VlanContext context{transport, connection, identifier, prompter};
  VlanTables tables;
  VlanSettings settings{context};
  PortVlan portBased{context, tables.portBased};
  Dot1qVlan dot1q{context, tables.dot1q};
};

}  // namespace velkor::testing
