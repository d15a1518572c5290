#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "sim/emulated_switch.h"

namespace velkor::soak {

// What an action may change on a switch: its registers (without the access channels' own
// registers and the counters, which change by themselves), its EEPROM and its PHYs' registers.
struct SwitchState {
  static constexpr size_t kPhys = 32, kPhyRegisters = 32;

  std::vector<uint32_t> registers;  // indexed by register address
  sim::EepromImage eeprom{};
  std::array<std::array<uint16_t, kPhyRegisters>, kPhys> phys{};

  static SwitchState Of(sim::EmulatedSwitch& sw);
  // Gives sw this state, so that it starts an action where another switch stands.
  void CopyInto(sim::EmulatedSwitch& sw) const;
};

// One register, EEPROM byte or PHY register: its name ("reg 0x060A", "eeprom 0x080", "phy 0x0904"
// for register 4 of PHY 9) and values.
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
