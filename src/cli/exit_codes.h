#pragma once

#include "device/outcome.h"

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
  kExitNotConnected = 8,  // login refused, a question not confirmed, or the switch could not be identified
  kExitRefused = 9,       // the switch's rules do not allow the change (trunk member, management port)
};

// The exit code of an operation that ended with outcome.
constexpr int ExitCodeOf(Outcome outcome) {
  switch (outcome) {
    case Outcome::kDone:
      return kExitOk;
    case Outcome::kNotConfirmed:
      return kExitNotConnected;
    case Outcome::kRefused:
      return kExitRefused;
    case Outcome::kNoAnswer:
    case Outcome::kSwitchLost:
      return kExitSwitchLost;
    case Outcome::kNotVerified:
    case Outcome::kFatal:
      return kExitFailure;
  }
  return kExitFailure;
}

}  // namespace velkor::cli
