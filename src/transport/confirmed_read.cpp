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

uint16_t FenceFor(std::span<const uint16_t> regs) {
  return std::find(regs.begin(), regs.end(), kFence) != regs.end() ? kOtherFence : kFence;
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

std::vector<RegisterRead> ReadBatch(RegisterEngine& engine, std::span<const uint16_t> regs,
                                    BatchReads reads) {
  if (reads == BatchReads::kConfirmed) return ReadBatchConfirmed(engine, regs);
  engine.BeginBatch();
  std::vector<int> entries;
  entries.reserve(regs.size());
  for (uint16_t reg : regs) entries.push_back(engine.QueueRead(reg));
  engine.TransmitBatch();
  std::vector<RegisterRead> read;
  read.reserve(regs.size());
  for (int entry : entries) read.push_back({engine.BatchValue(entry), engine.BatchAnswered(entry)});
  return read;
}

bool ReadFence(RegisterEngine& engine, std::span<const uint16_t> regs) {
  return engine.ReadRegister(FenceFor(regs)).answered;
}

std::vector<FencedRead> ReadFresh(RegisterEngine& engine, std::span<const uint16_t> regs) {
  return engine.ReadFresh(regs, FenceFor(regs));
}

std::vector<RegisterRead> ConfirmBatch(RegisterEngine& engine, std::span<const uint16_t> regs,
                                       std::vector<RegisterRead> first) {
  std::vector<RegisterRead> confirmed(regs.size());
  std::vector<RegisterRead>& previous = first;
  // Only what answered is asked again: a register that did not answer stays lost without a second wait.
  std::vector<size_t> open;
  for (size_t i = 0; i < regs.size(); ++i)
    if (previous[i].answered) open.push_back(i);
  for (int read = 1; read < kConfirmedReadAttempts && !open.empty(); ++read) {
    if (!ReadFence(engine, regs)) return std::vector<RegisterRead>(regs.size());
    std::vector<uint16_t> again;
    for (size_t i : open) again.push_back(regs[i]);
    const std::vector<RegisterRead> next = ReadBatch(engine, again);
    std::vector<size_t> disagreeing;
    for (size_t k = 0; k < open.size(); ++k) {
      const size_t i = open[k];
      if (Agree(previous[i], next[k])) {
        confirmed[i] = next[k];
      } else if (next[k].answered) {
        previous[i] = next[k];
        disagreeing.push_back(i);
      }
    }
    open = std::move(disagreeing);
  }
  return confirmed;
}

std::vector<RegisterRead> ReadBatchConfirmed(RegisterEngine& engine, std::span<const uint16_t> regs) {
  return ConfirmBatch(engine, regs, ReadBatch(engine, regs));
}

}  // namespace velkor
