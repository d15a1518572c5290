#include "cli/command.h"
#include "cli/exit_codes.h"

namespace velkor::cli {

namespace {

int Connect(CommandContext& c) {
  if (const int e = c.session.OpenAdapter(c.args.iface)) return e;
  return c.session.SelectSwitch(c.args.switchMac);
}

int Get(CommandContext& c) {
  uint32_t reg;
  if (!NumberOperand(c, 0, 0xFFFF, reg)) return kExitUsage;
  if (const int e = Connect(c)) return e;
  const RegisterRead r = c.session.Transport().engine.ReadRegister(static_cast<uint16_t>(reg));
  if (!r.answered) return SwitchLost(c, "register " + Hex(reg, 4));
  c.out.Object({{"register", Hex(reg, 4)}, {"value", Hex(r.value, 4)}});
  return kExitOk;
}

int Set(CommandContext& c) {
  uint32_t reg, value;
  if (!NumberOperand(c, 0, 0xFFFF, reg) || !NumberOperand(c, 1, 0xFFFFFFFF, value)) return kExitUsage;
  if (const int e = Connect(c)) return e;
  if (c.session.Transport().engine.WriteRegister(static_cast<uint16_t>(reg), value) != 0) {
    c.err << "velkorctl: the set request could not be sent\n";
    return kExitCannotOpen;
  }
  c.out.Object({{"register", Hex(reg, 4)}, {"written", Hex(value, 4)}});
  return kExitOk;
}

int PhyGet(CommandContext& c) {
  uint32_t phy, reg;
  if (!NumberOperand(c, 0, 31, phy) || !NumberOperand(c, 1, 31, reg)) return kExitUsage;
  if (const int e = Connect(c)) return e;
  const auto v = c.session.Transport().access.ReadPhyRegister(static_cast<uint8_t>(phy), static_cast<uint8_t>(reg));
  if (!v) return SwitchLost(c, "PHY register");
  c.out.Object({{"phy", int64_t{phy}}, {"register", int64_t{reg}}, {"value", Hex(*v, 4)}});
  return kExitOk;
}

int PhySet(CommandContext& c) {
  uint32_t phy, reg, value;
  if (!NumberOperand(c, 0, 31, phy) || !NumberOperand(c, 1, 31, reg) || !NumberOperand(c, 2, 0xFFFF, value))
    return kExitUsage;
  if (const int e = Connect(c)) return e;
  if (!c.session.Transport().access.WritePhyRegister(static_cast<uint8_t>(phy), static_cast<uint8_t>(reg),
                                                     static_cast<uint16_t>(value)))
    return SwitchLost(c, "PHY register");
  c.out.Object({{"phy", int64_t{phy}}, {"register", int64_t{reg}}, {"written", Hex(value, 4)}});
  return kExitOk;
}

constexpr uint32_t kLastEepromAddress = 2047;

int EepromGet(CommandContext& c) {
  uint32_t addr, count = 1;
  if (!NumberOperand(c, 0, kLastEepromAddress, addr)) return kExitUsage;
  if (c.args.operands.size() > 1 && !NumberOperand(c, 1, kLastEepromAddress + 1 - addr, count)) return kExitUsage;
  if (const int e = Connect(c)) return e;
  std::vector<Record> rows;
  for (uint32_t a = addr; a < addr + count; ++a) {
    const auto byte = c.session.Transport().access.ReadEepromByte(static_cast<uint16_t>(a));
    if (!byte) return SwitchLost(c, "EEPROM byte " + Hex(a, 3));
    rows.push_back({{"address", Hex(a, 3)}, {"value", Hex(*byte, 2)}});
  }
  c.out.Array(rows);
  return kExitOk;
}

// Writes the bytes, then reads them back: success only when every byte verified.
int EepromSet(CommandContext& c) {
  uint32_t addr;
  if (!NumberOperand(c, 0, kLastEepromAddress, addr)) return kExitUsage;
  std::vector<uint8_t> bytes;
  for (size_t i = 1; i < c.args.operands.size(); ++i) {
    uint32_t v;
    if (!NumberOperand(c, i, 0xFF, v)) return kExitUsage;
    bytes.push_back(static_cast<uint8_t>(v));
  }
  if (addr + bytes.size() > kLastEepromAddress + 1) {
    c.err << "velkorctl: the bytes run past the end of the EEPROM\n";
    return kExitUsage;
  }
  if (const int e = Connect(c)) return e;
  SwitchAccess& access = c.session.Transport().access;
  std::vector<Record> rows;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto a = static_cast<uint16_t>(addr + i);
    if (!access.WriteEepromByte(a, bytes[i])) return SwitchLost(c, "EEPROM byte " + Hex(a, 3));
    const auto back = access.ReadEepromByte(a);
    if (!back) return SwitchLost(c, "EEPROM byte " + Hex(a, 3));
    if (*back != bytes[i]) {
      c.err << "velkorctl: EEPROM byte " << Hex(a, 3) << " reads back " << Hex(*back, 2) << ", not "
            << Hex(bytes[i], 2) << "\n";
      return kExitFailure;
    }
    rows.push_back({{"address", Hex(a, 3)}, {"written", Hex(bytes[i], 2)}});
  }
  c.out.Array(rows);
  return kExitOk;
}

}  // namespace

const std::vector<Command>& AccessCommands() {
  static const std::vector<Command> commands{
      {"get", "get REG", 1, 1, Get},
      {"set", "set REG VALUE", 2, 2, Set},
      {"phy-get", "phy-get PHY REG", 2, 2, PhyGet},
      {"phy-set", "phy-set PHY REG VALUE", 3, 3, PhySet},
      {"eeprom-get", "eeprom-get ADDR [COUNT]", 1, 2, EepromGet},
      {"eeprom-set", "eeprom-set ADDR VALUE...", 2, 2048, EepromSet},
  };
  return commands;
}

}  // namespace velkor::cli
