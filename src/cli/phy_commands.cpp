#include "cli/command.h"
#include "cli/exit_codes.h"

namespace velkor::cli {

namespace {

constexpr uint32_t kLastPhyField = 31;  // PHY addresses and register numbers are 5 bits

bool PhyOperands(CommandContext& c, uint8_t& phy, uint8_t& reg) {
  uint32_t p, r;
  if (!NumberOperand(c, 0, kLastPhyField, p) || !NumberOperand(c, 1, kLastPhyField, r)) return false;
  phy = static_cast<uint8_t>(p);
  reg = static_cast<uint8_t>(r);
  return true;
}

std::string PhyName(uint8_t phy, uint8_t reg) {
  return "PHY " + std::to_string(phy) + " register " + std::to_string(reg);
}

int PhyGet(CommandContext& c) {
  uint8_t phy, reg;
  if (!PhyOperands(c, phy, reg)) return kExitUsage;
  if (const int e = c.session.Connect(c.args)) return e;
  const auto v = c.session.Transport().access.ReadPhyRegister(phy, reg);
  if (!v) return SwitchLost(c, PhyName(phy, reg));
  c.out.Object({{"phy", int64_t{phy}}, {"register", int64_t{reg}}, {"value", Hex(*v, 4)}});
  return kExitOk;
}

int PhySet(CommandContext& c) {
  uint8_t phy, reg;
  uint32_t value;
  if (!PhyOperands(c, phy, reg) || !NumberOperand(c, 2, 0xFFFF, value)) return kExitUsage;
  if (const int e = c.session.Connect(c.args)) return e;
  SwitchAccess& access = c.session.Transport().access;
  if (!access.WritePhyRegister(phy, reg, static_cast<uint16_t>(value)))
    return SwitchLost(c, PhyName(phy, reg));
  const auto back = access.ReadPhyRegister(phy, reg);
  if (!back) return SwitchLost(c, PhyName(phy, reg));
  if (*back != value) return ReadsBackOther(c, PhyName(phy, reg), *back, value, 4);
  c.out.Object({{"phy", int64_t{phy}}, {"register", int64_t{reg}}, {"written", Hex(value, 4)}});
  return kExitOk;
}

}  // namespace

const std::vector<Command>& PhyCommands() {
  static const std::vector<Command> commands{
      {"phy-get", "phy-get PHY REG", 2, 2, PhyGet},
      {"phy-set", "phy-set PHY REG VALUE", 3, 3, PhySet},
  };
  return commands;
}

}  // namespace velkor::cli
