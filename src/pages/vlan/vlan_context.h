#pragma once

#include "device/connection.h"
#include "device/identification.h"
#include "device/outcome.h"
#include "device/prompter.h"
#include "transport/transport_session.h"

namespace velkor {

// What the VLAN pages reach: the switch, the connection, and the user.
struct VlanContext {
  TransportSession& transport;
  Connection& connection;
  const SwitchIdentifier& identifier;
  Prompter& prompter;

  RegisterEngine& Engine() { return transport.engine; }
  const PortLayout& Layout() const { return identifier.Layout(); }
  int ModelCode() const { return connection.State().modelCode; }
  // A read stayed unanswered: nothing was written from it; the user is told, unless the
  // connection has gone (then that was said).
  Outcome Unanswered(Outcome whileAnswering = Outcome::kNoAnswer);
  // A write did not read back: the user is told, and the connection ends.
  Outcome WriteFailed();
};

}  // namespace velkor
