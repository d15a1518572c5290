#pragma once

#include <cstdint>
#include <optional>

#include "device/connection.h"
#include "device/identification.h"
#include "device/outcome.h"
#include "device/prompter.h"
#include "transport/transport_session.h"

namespace velkor {

// What the switch-feature pages (QoS, mirroring, security, global settings) reach: the switch, the
// connection and the user.
struct FeatureContext {
  TransportSession& transport;
  Connection& connection;
  const SwitchIdentifier& identifier;
  Prompter& prompter;

  RegisterEngine& Engine() { return transport.engine; }
  const PortLayout& Layout() const { return identifier.Layout(); }
  int ModelCode() const { return connection.State().modelCode; }
  // The register's value, asked for a second time when the first reply is lost; none when both
  // were lost. A change is never built on a value the switch did not give.
  std::optional<uint32_t> Read(uint16_t reg);
  // The chip port the computer's frames reach the connected switch through, as its last hello
  // reply said; none when no reply of it is on record.
  std::optional<int> ManagementPort() const;
  // A read stayed unanswered: nothing was written from it; the user is told, unless the connection
  // has gone (then that was said).
  Outcome Unanswered();
};

}  // namespace velkor
