#pragma once

#include <optional>
#include <string>

#include "device/outcome.h"
#include "device/port_layout.h"

namespace velkor {

// What the rest of the program hears of the connection. The window's shell listens and passes the
// news on to the pages; a command-line session, which runs one command and ends, listens to none of
// it and keeps these defaults.
class ConnectionEvents {
 public:
  virtual ~ConnectionEvents() = default;

  // A switch is connected: modelCode as identified, macText its address, layout its ports.
  virtual void Connected(int /*modelCode*/, const std::string& /*macText*/, const PortLayout& /*layout*/) {}
  // The connected switch stopped answering. The message that says so follows, so anything that
  // would talk to the switch under it (a refresh tick) stops now.
  virtual void Lost() {}
  // The connection ended; the list of switches is to be rediscovered.
  virtual void Disconnected() {}
  // The switch's stored settings may be damaged: the program ends without further questions.
  virtual void Fatal() {}
  // Leaving with unsaved settings, the user asked to save them. Without a save to run nothing is
  // saved, and nothing claims it was.
  virtual Outcome SaveRequested() { return Outcome::kRefused; }
  // Whether the switch holds settings a save would keep; none when that cannot be told, and then
  // the connection's unsaved flag decides whether to offer a save.
  virtual std::optional<bool> SettingsUnsaved() { return std::nullopt; }
};

}  // namespace velkor
