#pragma once

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "transport/register_engine.h"

namespace velkor {

// A reply names its register but not the ask it answers, so a stale copy of an earlier reply looks
// exactly like a fresh one, and the fresh reply it displaced then answers the next read. Where a
// value decides something, it is read again after a read of another register: replies come in the
// order of their asks, so that read's reply is proof that no earlier reply of reg is still on its
// way, and what reg reads next is what it held at the first read or later. Two such reads must agree.
// Unanswered when the switch does not answer, or when no two reads agree within kConfirmedReadAttempts.
inline constexpr int kConfirmedReadAttempts = 4;
RegisterRead ReadConfirmed(RegisterEngine& engine, uint16_t reg);
// The same, going on from a read of reg already made.
RegisterRead ConfirmRead(RegisterEngine& engine, uint16_t reg, RegisterRead first);
// The same for two registers asked in one exchange, going on from such a read: first is answered once
// two of its reads agree, second only when its reads agreed in that same exchange too.
std::pair<RegisterRead, RegisterRead> ConfirmPair(RegisterEngine& engine, uint16_t first, uint16_t second,
                                                  std::pair<RegisterRead, RegisterRead> read);

// One exchange that no reply sent before it can answer (RegisterEngine::ReadFresh), with a fence
// that is none of regs: each register is read once, in order, as it was at its turn or later.
std::vector<FencedRead> ReadFresh(RegisterEngine& engine, std::span<const uint16_t> regs);

// How a batch reads: kShown takes the replies as they come (a stale copy may be shown once), while
// kConfirmed reads as ReadBatchConfirmed, for values that decide something or are written back.
enum class BatchReads { kShown, kConfirmed };
// Reads regs in one batch exchange (kShown), or confirmed. The caller's batch is replaced.
std::vector<RegisterRead> ReadBatch(RegisterEngine& engine, std::span<const uint16_t> regs,
                                    BatchReads reads = BatchReads::kShown);
// Reads regs in one batch, then, after a fence read, again those whose reads do not agree yet, until
// two in a row agree: a register is answered only then. The caller's batch is replaced.
std::vector<RegisterRead> ReadBatchConfirmed(RegisterEngine& engine, std::span<const uint16_t> regs);
// The same, going on from a batch read of regs already made.
std::vector<RegisterRead> ConfirmBatch(RegisterEngine& engine, std::span<const uint16_t> regs,
                                       std::vector<RegisterRead> first);
// One read of a register that is none of regs: its reply proves that no reply to an earlier ask of
// them is still on its way. False when it was not answered.
bool ReadFence(RegisterEngine& engine, std::span<const uint16_t> regs = {});

}  // namespace velkor
