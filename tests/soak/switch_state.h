#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/emulated_switch.h"

namespace velkor::soak {

// What an action may change on a switch: its registers (without the access channels' own
// registers and the counters, which change by themselves) and its EEPROM.
struct SwitchState {
  std::vector<uint32_t> registers;  // indexed by register address
  sim::EepromImage eeprom{};

  static SwitchState Of(sim::EmulatedSwitch& sw);
  // Gives sw this state, so that it starts an action where another switch stands.
  void CopyInto(sim::EmulatedSwitch& sw) const;
};

// One register or EEPROM byte: its name ("reg 0x060A", "eeprom 0x080") and values.
struct CellChange {
  std::string cell;
  uint32_t before = 0, after = 0, meant = 0;
};

// The cells the hostile run changed to what the clean run did not make of them.
std::vector<CellChange> StrayChanges(const SwitchState& before, const SwitchState& hostile,
                                     const SwitchState& clean);
// The cells where the hostile run ended elsewhere than the clean one.
std::vector<CellChange> Differences(const SwitchState& before, const SwitchState& hostile,
                                    const SwitchState& clean);

}  // namespace velkor::soak
