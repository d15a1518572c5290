#pragma once

namespace velkor::cli {

// One code per kind of failure, so scripts can tell them apart.
enum ExitCode : int {
  kExitOk = 0,
  kExitFailure = 1,  // the operation ran but what it wrote does not read back
  kExitUsage = 2,
  kExitNoInterface = 3,   // no such interface, or none to pick from
  kExitNoPermission = 4,  // raw capture is not allowed to this user
  kExitNoSwitch = 5,      // no switch answered, or not the one asked for
  kExitSwitchLost = 6,    // the switch stopped answering during the command
  kExitCannotOpen = 7,    // the capture library cannot list, open or filter the adapter
  kExitNotConnected = 8,  // login refused or not confirmed, or the switch could not be identified
};

}  // namespace velkor::cli
