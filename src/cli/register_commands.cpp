#include "cli/command.h"
#include "cli/exit_codes.h"
#include "transport/confirmed_read.h"

namespace velkor::cli {

namespace {

int Get(CommandContext& c) {
  uint32_t reg;
  if (!NumberOperand(c, 0, 0xFFFF, reg)) return kExitUsage;
  if (const int e = c.session.Connect(c.args)) return e;
  const RegisterRead r = c.session.Transport().engine.ReadRegister(static_cast<uint16_t>(reg));
  if (!r.answered) return SwitchLost(c, "register " + Hex(reg, 4));
  c.out.Object({{"register", Hex(reg, 4)}, {"value", Hex(r.value, 4)}});
  return kExitOk;
}

// A set is never acknowledged: only reading the register back shows that it took.
int Set(CommandContext& c) {
  uint32_t reg, value;
  if (!NumberOperand(c, 0, 0xFFFF, reg) || !NumberOperand(c, 1, 0xFFFFFFFF, value)) return kExitUsage;
  if (const int e = c.session.Connect(c.args)) return e;
  RegisterEngine& engine = c.session.Transport().engine;
  const auto r = static_cast<uint16_t>(reg);
  if (engine.WriteRegister(r, value) != 0) {
    c.err << "velkorctl: the set request could not be sent\n";
    return kExitCannotOpen;
  }
  const RegisterRead back = ReadConfirmed(engine, r);
  if (!back.answered) return SwitchLost(c, "register " + Hex(reg, 4));
  if (back.value != value) return ReadsBackOther(c, "register " + Hex(reg, 4), back.value, value, 4);
  c.out.Object({{"register", Hex(reg, 4)}, {"written", Hex(value, 4)}});
  return kExitOk;
}

}  // namespace

const std::vector<Command>& RegisterCommands() {
  static const std::vector<Command> commands{
      {"get", "get REG", 1, 1, Get},
      {"set", "set REG VALUE", 2, 2, Set},
  };
  return commands;
}

}  // namespace velkor::cli
