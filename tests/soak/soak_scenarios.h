#pragma once

#include <string>
#include <vector>

namespace velkor::soak {

// A bad or hostile segment, as velkor-switchsim options for the one switch (index 0).
struct Scenario {
  std::string name;
  std::vector<std::string> simOptions;
};

const std::vector<Scenario>& Scenarios();
// The scenario named name, or null.
const Scenario* FindScenario(const std::string& name);

}  // namespace velkor::soak
