#include "soak/soak_scenarios.h"

namespace velkor::soak {

const std::vector<Scenario>& Scenarios() {
  static const std::vector<Scenario> scenarios{
      {"clean", {}},
      {"loss 10%", {"--fault", "0:lose,chance=0.1"}},
      {"late+dup 10%", {"--fault", "0:delay,us=3000,chance=0.1", "--fault", "0:duplicate,chance=0.1"}},
      {"spoofed 10%", {"--fault", "0:spoof,chance=0.1"}},
      {"stale 10%", {"--fault", "0:stale,chance=0.1"}},
      {"stuck byte", {"--fault", "0:eeprom-stuck,addr=0x082", "--fault", "0:lose,chance=0.02"}},
      {"silent 0.3s/5s", {"--fault", "0:silent,after-ms=1000,for-ms=300,every-ms=5000"}},
      {"hello flood", {"--fault", "0:hello-flood,switches=1000"}},
      {"all at once",
       {"--fault", "0:lose,chance=0.1", "--fault", "0:delay,us=3000,chance=0.05", "--fault",
        "0:duplicate,chance=0.05", "--fault", "0:spoof,chance=0.05", "--fault", "0:stale,chance=0.05",
        "--fault", "0:hello-flood,switches=200"}},
  };
  return scenarios;
}

const Scenario* FindScenario(const std::string& name) {
  for (const Scenario& s : Scenarios())
    if (s.name == name) return &s;
  return nullptr;
}

}  // namespace velkor::soak
