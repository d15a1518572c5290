#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "sim/segment.h"
#include "soak/soak_actions.h"
#include "soak/soak_scenarios.h"

namespace velkor::soak {

// The switch under the hostile segment, and velkorctl run against it.
class HostileSide {
 public:
  virtual ~HostileSide() = default;
  // The emulated switch; touched only between actions.
  virtual sim::EmulatedSwitch& Switch() = 0;
  virtual const sim::SwitchSetup& Setup() const = 0;
  // Runs one command line; its exit code, or none when it did not end within the time limit.
  virtual std::optional<int> Run(const std::vector<std::string>& args, double& seconds) = 0;
  // The first line the last command wrote to its error output, where the side keeps it.
  virtual std::string LastError() const { return {}; }
};

struct Tally {
  std::string scenario;
  int actions = 0;
  int completed = 0;  // ended as on a clean segment
  std::map<int, int> exitCodes;
  int strayWrites = 0;     // actions that changed a cell to what the clean run did not
  int falseSuccesses = 0;  // exit 0 without the change being there
  int hangs = 0;
  double slowestSeconds = 0;
  std::string slowestAction;
};

struct SoakSettings {
  int actions = 50;
  uint64_t seed = 1;
  std::string workDir;          // for exported files
  std::ostream* log = nullptr;  // what went wrong, action by action
};

// Runs settings.actions seeded actions on the hostile side, each compared with the same action
// on a clean in-process copy of the switch as it stood before.
Tally RunScenario(const Scenario& scenario, HostileSide& hostile, const SoakSettings& settings);

void PrintTable(const std::vector<Tally>& tallies, std::ostream& out);

}  // namespace velkor::soak
