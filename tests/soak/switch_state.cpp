#include "soak/switch_state.h"

#include <cstdio>

#include "sim/eeprom_controller.h"
#include "sim/phy_controller.h"
#include "sim/traffic_counters.h"

namespace velkor::soak {

namespace {
constexpr uint16_t kRegisterCount = 0x0800;
constexpr uint16_t kMailbox = 0x0006;

// Registers that change by themselves or belong to an access channel, not to the configuration.
bool Compared(uint16_t reg) {
  if (reg == kMailbox || reg == sim::EepromController::kControlRegister ||
      reg == sim::EepromController::kDataRegister)
    return false;
  if (reg >= sim::PhyController::kCommandRegister && reg <= sim::PhyController::kReadDataRegister)
    return false;
  if (reg >= sim::EmulatedSwitch::kLinkStatusBase &&
      reg < sim::EmulatedSwitch::kLinkStatusBase + sim::kChipPorts / 2)
    return false;
  return !(reg >= sim::TrafficCounters::kCounterBase && reg <= sim::TrafficCounters::kLastRegister);
}

std::string Name(const char* kind, unsigned at) {
  char text[24];
  std::snprintf(text, sizeof text, "%s 0x%04X", kind, at);
  return text;
}

template <class Pick>
std::vector<CellChange> Cells(const SwitchState& before, const SwitchState& hostile, const SwitchState& clean,
                              Pick&& pick) {
  std::vector<CellChange> out;
  for (uint16_t r = 0; r < kRegisterCount; ++r) {
    if (!Compared(r)) continue;
    const CellChange c{Name("reg", r), before.registers[r], hostile.registers[r], clean.registers[r]};
    if (pick(c)) out.push_back(c);
  }
  for (size_t a = 0; a < before.eeprom.size(); ++a) {
    const CellChange c{Name("eeprom", static_cast<unsigned>(a)), before.eeprom[a], hostile.eeprom[a],
                       clean.eeprom[a]};
    if (pick(c)) out.push_back(c);
  }
  for (size_t phy = 0; phy < SwitchState::kPhys; ++phy)
    for (size_t r = 0; r < SwitchState::kPhyRegisters; ++r) {
      const CellChange c{Name("phy", static_cast<unsigned>(phy << 8 | r)), before.phys[phy][r],
                         hostile.phys[phy][r], clean.phys[phy][r]};
      if (pick(c)) out.push_back(c);
    }
  return out;
}
}  // namespace

SwitchState SwitchState::Of(sim::EmulatedSwitch& sw) {
  SwitchState s;
  s.registers.resize(kRegisterCount);
  for (uint16_t r = 0; r < kRegisterCount; ++r)
    if (Compared(r)) s.registers[r] = sw.Peek(r);
  s.eeprom = sw.Eeprom().Bytes();
  for (uint8_t phy = 0; phy < kPhys; ++phy)
    for (uint8_t r = 0; r < kPhyRegisters; ++r) s.phys[phy][r] = sw.Phys().Register(phy, r);
  return s;
}

void SwitchState::CopyInto(sim::EmulatedSwitch& sw) const {
  for (uint16_t r = 0; r < kRegisterCount; ++r)
    if (Compared(r)) sw.Poke(r, registers[r]);
  for (size_t a = 0; a < eeprom.size(); ++a) sw.Eeprom().SetByte(static_cast<uint16_t>(a), eeprom[a]);
  for (uint8_t phy = 0; phy < kPhys; ++phy)
    for (uint8_t r = 0; r < kPhyRegisters; ++r) sw.Phys().SetRegister(phy, r, phys[phy][r]);
}

std::vector<CellChange> StrayChanges(const SwitchState& before, const SwitchState& hostile,
                                     const SwitchState& clean) {
  return Cells(before, hostile, clean,
               [](const CellChange& c) { return c.after != c.before && c.after != c.meant; });
}

std::vector<CellChange> Differences(const SwitchState& before, const SwitchState& hostile,
                                    const SwitchState& clean) {
  return Cells(before, hostile, clean, [](const CellChange& c) { return c.after != c.meant; });
}

}  // namespace velkor::soak
