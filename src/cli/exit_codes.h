#pragma once

namespace velkor::cli {

enum ExitCode : int {
  kExitOk = 0,
  kExitFailure = 1,        // the operation ran but did not verify
  kExitUsage = 2,
  kExitNoInterface = 3,    // no such interface, or none to pick from
  kExitCannotOpen = 4,     // no permission to capture, or the adapter cannot be opened
  kExitNoSwitch = 5,       // no switch answered, or not the one asked for
  kExitSwitchLost = 6,     // the switch stopped answering during the command
};

}  // namespace velkor::cli
