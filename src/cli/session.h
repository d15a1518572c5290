#pragma once

#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include "cli/arguments.h"
#include "transport/transport_session.h"

namespace velkor::cli {

// The steps every command shares: pick the adapter, open its channels, find the switch.
class CtlSession {
 public:
  CtlSession(PacketBackend& backend, Clock& clock, std::ostream& err)
      : err_(err), transport_(backend, clock, errors_, busy_) {}

  // Each returns an exit code, with the reason already on the error stream.
  int Enumerate();
  int OpenAdapter(const std::optional<std::string>& iface);
  // Discovers and selects the switch by MAC (or the only one), then connects to it.
  int SelectSwitch(const std::optional<std::string>& mac);
  // Makes the selected switch ready for register access: the one step where identifying the
  // chip and logging in with the connection password belong.
  int ConnectSelected();
  // Everything a command that talks to one switch needs.
  int Connect(const Arguments& args);

  TransportSession& Transport() { return transport_; }
  std::ostream& Err() { return err_; }

 private:
  // The transport's own diagnostics, passed on after each step.
  void ForwardDiagnostics();

  std::ostream& err_;
  std::ostringstream errors_;
  BusyIndicator busy_;
  TransportSession transport_;
};

}  // namespace velkor::cli
