#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "sim/reply_faults.h"
#include "sim/switch_setup.h"

namespace velkor::sim {

// A fault of the switch itself rather than of its replies.
struct ChipFault {
  enum class Kind { kEepromBusy, kPhyBusy, kMcuStuck, kEepromStuckByte, kSilent };
  Kind kind = Kind::kSilent;
  uint16_t address = 0;         // kEepromStuckByte
  uint64_t afterUs = 0;         // kSilent: from start-up
  uint64_t forUs = UINT64_MAX;  // kSilent
  uint64_t everyUs = 0;         // kSilent: again at the start of every period, when given
};

struct FaultOption {
  size_t index = 0;  // which switch, in the order they were given
  std::variant<ReplyFault, ChipFault> fault;
};

// The command line of velkor-switchsim.
struct SimOptions {
  std::string iface;
  std::vector<SwitchSetup> switches;
  std::vector<FaultOption> faults;
  bool linksUp = false;           // every port of every switch reports a link
  uint64_t trafficPerSecond = 0;  // frames each way on every port that is up
  uint64_t seed = 1;              // switch i draws its chances from seed + i
  bool help = false;
};

// false with error text for a command line that cannot be run.
bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error);
const char* SimUsage();

}  // namespace velkor::sim
