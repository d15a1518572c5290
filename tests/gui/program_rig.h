#pragma once

#include <sstream>

#include "app/program.h"
#include "sim/segment.h"
#include "support/scripted_connection_ui.h"
#include "support/scripted_prompter.h"
#include "testing/virtual_clock.h"

namespace velkor::testing {

// The whole program as main() assembles it, with emulated switches on the in-memory wire and the
// user's answers scripted. Needs an application object.
struct ProgramRig {
  struct NoDescription : PortDescriptionPrompt {
    std::optional<std::string> Ask() override { return std::nullopt; }
  };

  // The file the next save or open dialog returns; none cancels it.
  struct ScriptedFiles : ConfigFileDialogs {
    std::optional<std::string> next;
    std::optional<std::string> SaveFileName() override { return next; }
    std::optional<std::string> OpenFileName() override { return next; }
  };

  VirtualClock clock;
  MemoryWire wire{clock};
  sim::Segment segment{clock};
  std::ostringstream errors;
  BusyIndicator busy;
  TransportSession transport{wire, clock, errors, busy};
  ScriptedPrompter prompter;
  ScriptedConnectDialog dialog;
  CountingProgressUi progress;
  TForm1 window;
  int listingFailures = 0;
  NoDescription portDescription;
  ScriptedFiles files;
  Program program{window, transport, {prompter, dialog, progress, portDescription, files}, busy, [this] {
                    ++listingFailures;
                  }};
};

}  // namespace velkor::testing
