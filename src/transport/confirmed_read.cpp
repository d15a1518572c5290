#include "transport/confirmed_read.h"

#include <algorithm>

namespace velkor {

namespace {
// Read-only and side-effect free: the identity register, or the chip id when reg is the identity.
constexpr uint16_t kFence = 0x0207;
constexpr uint16_t kOtherFence = 0x0208;

bool Agree(const RegisterRead& a, const RegisterRead& b) {
  return a.answered && b.answered && a.value == b.value;
}

uint16_t FenceFor(uint16_t reg, uint16_t other = 0) {
  return reg == kFence || other == kFence ? kOtherFence : kFence;
}
}  // namespace

RegisterRead ConfirmRead(RegisterEngine& engine, uint16_t reg, RegisterRead first) {
  RegisterRead previous = first;
  for (int read = 1; read < kConfirmedReadAttempts && previous.answered; ++read) {
    if (!engine.ReadRegister(FenceFor(reg)).answered) return {};
    const RegisterRead next = engine.ReadRegister(reg);
    if (Agree(next, previous)) return next;
    previous = next;
  }
  return {};
}

RegisterRead ReadConfirmed(RegisterEngine& engine, uint16_t reg) {
  return ConfirmRead(engine, reg, engine.ReadRegister(reg));
}

std::pair<RegisterRead, RegisterRead> ConfirmPair(RegisterEngine& engine, uint16_t first, uint16_t second,
                                                  std::pair<RegisterRead, RegisterRead> read) {
  for (int attempt = 1; attempt < kConfirmedReadAttempts && read.first.answered; ++attempt) {
    if (!engine.ReadRegister(FenceFor(first, second)).answered) return {};
    const auto next = engine.ReadRegisterPair(first, second);
    if (Agree(next.first, read.first))
      return {next.first, Agree(next.second, read.second) ? next.second : RegisterRead{}};
    read = next;
  }
  return {};
}

namespace {
std::vector<RegisterRead> ReadBatch(RegisterEngine& engine, std::span<const uint16_t> regs) {
  engine.BeginBatch();
  std::vector<int> entries;
  entries.reserve(regs.size());
  for (uint16_t reg : regs) entries.push_back(engine.QueueRead(reg));
  engine.TransmitBatch();
  std::vector<RegisterRead> reads;
  reads.reserve(regs.size());
  for (int entry : entries) reads.push_back({engine.BatchValue(entry), engine.BatchAnswered(entry)});
  return reads;
}
}  // namespace

std::vector<RegisterRead> ReadBatchConfirmed(RegisterEngine& engine, std::span<const uint16_t> regs) {
  std::vector<RegisterRead> first = ReadBatch(engine, regs);
  // Only what answered is asked again: a register that did not answer stays lost without a second wait.
  std::vector<size_t> answered;
  std::vector<uint16_t> again;
  for (size_t i = 0; i < regs.size(); ++i)
    if (first[i].answered) {
      answered.push_back(i);
      again.push_back(regs[i]);
    }
  if (again.empty()) return first;
  const bool fenceInBatch = std::find(regs.begin(), regs.end(), kFence) != regs.end();
  if (!engine.ReadRegister(fenceInBatch ? kOtherFence : kFence).answered)
    return std::vector<RegisterRead>(regs.size());
  const std::vector<RegisterRead> second = ReadBatch(engine, again);
  for (size_t k = 0; k < answered.size(); ++k)
    if (!Agree(first[answered[k]], second[k])) first[answered[k]] = {};
  return first;
}

}  // namespace velkor
