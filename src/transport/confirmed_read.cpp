#include "transport/confirmed_read.h"

namespace velkor {

namespace {
// Read-only and side-effect free: the identity register, or the chip id when reg is the identity.
constexpr uint16_t kFence = 0x0207;
constexpr uint16_t kOtherFence = 0x0208;
}  // namespace

RegisterRead ConfirmRead(RegisterEngine& engine, uint16_t reg, RegisterRead first) {
  RegisterRead previous = first;
  for (int read = 1; read < kConfirmedReadAttempts && previous.answered; ++read) {
    if (!engine.ReadRegister(reg == kFence ? kOtherFence : kFence).answered) return {};
    const RegisterRead next = engine.ReadRegister(reg);
    if (next.answered && next.value == previous.value) return next;
    previous = next;
  }
  return {};
}

RegisterRead ReadConfirmed(RegisterEngine& engine, uint16_t reg) {
  return ConfirmRead(engine, reg, engine.ReadRegister(reg));
}

}  // namespace velkor
