#pragma once

#include <string>

#include "cli/output.h"
#include "cli/session.h"
#include "device/port_captions.h"
#include "pages/vlan/vlan_logic.h"
#include "transport/confirmed_read.h"

namespace velkor::cli {

// The three VLAN pages on the command line, on a connected session, with the tables reset as a
// connection resets them.
class CtlVlan {
 public:
  explicit CtlVlan(CtlSession& session);

  VlanSettings& Settings() { return vlan_.settings; }
  PortVlan& PortBased() { return vlan_.portBased; }
  Dot1qVlan& Dot1q() { return vlan_.dot1q; }
  TrunkEnabling& Trunks() { return vlan_.trunks; }
  VlanContext& Context() { return vlan_.context; }
  const VlanTables& Tables() const { return vlan_.tables; }
  const PortLayout& Layout() const { return session_.Identifier().Layout(); }
  int ModelCode() const { return session_.GetConnection().State().modelCode; }

  // Fills the VLAN page and the page of the mode; how the reads ended. A fill that decides what a
  // subcommand does reads kConfirmed.
  Outcome Fill(BatchReads reads = BatchReads::kShown);
  // The mode, the options, every port's rule and the table of the mode, as records.
  std::vector<Record> Records() const;

 private:
  CtlSession& session_;
  VlanLogic vlan_;
};

}  // namespace velkor::cli
