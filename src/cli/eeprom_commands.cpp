#include "cli/command.h"
#include "cli/exit_codes.h"

namespace velkor::cli {

namespace {

constexpr uint32_t kEepromSize = 2048;  // 11-bit addresses

int EepromGet(CommandContext& c) {
  uint32_t addr, count = 1;
  if (!NumberOperand(c, 0, kEepromSize - 1, addr)) return kExitUsage;
  if (c.args.operands.size() > 1 && !NumberOperand(c, 1, kEepromSize - addr, count)) return kExitUsage;
  if (const int e = c.session.Connect(c.args)) return e;
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
  if (!NumberOperand(c, 0, kEepromSize - 1, addr)) return kExitUsage;
  std::vector<uint8_t> bytes;
  for (size_t i = 1; i < c.args.operands.size(); ++i) {
    uint32_t v;
    if (!NumberOperand(c, i, 0xFF, v)) return kExitUsage;
    bytes.push_back(static_cast<uint8_t>(v));
  }
  if (addr + bytes.size() > kEepromSize) {
    c.err << "velkorctl: the bytes run past the end of the EEPROM\n";
    return kExitUsage;
  }
  if (const int e = c.session.Connect(c.args)) return e;
  SwitchAccess& access = c.session.Transport().access;
  std::vector<Record> rows;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto a = static_cast<uint16_t>(addr + i);
    const std::string name = "EEPROM byte " + Hex(a, 3);
    if (!access.WriteEepromByte(a, bytes[i])) return SwitchLost(c, name);
    const auto back = access.ReadEepromByte(a);
    if (!back) return SwitchLost(c, name);
    if (*back != bytes[i]) return ReadsBackOther(c, name, *back, bytes[i], 2);
    rows.push_back({{"address", Hex(a, 3)}, {"written", Hex(bytes[i], 2)}});
  }
  c.out.Array(rows);
  return kExitOk;
}

}  // namespace

const std::vector<Command>& EepromCommands() {
  static const std::vector<Command> commands{
      {"eeprom-get", "eeprom-get ADDR [COUNT]", 1, 2, EepromGet},
      {"eeprom-set", "eeprom-set ADDR VALUE...", 2, kEepromSize + 1, EepromSet},
  };
  return commands;
}

}  // namespace velkor::cli
