#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "transport/clock.h"
#include "transport/discovery.h"
#include "transport/late_replies.h"
#include "transport/link.h"

namespace velkor {

inline constexpr size_t kMaxBatchEntries = 1024;
inline constexpr size_t kSendQueueBytes = 1048576;
// Each queued frame takes its 60 bytes plus a 16-byte capture header.
inline constexpr size_t kQueuedFrameBytes = 76;

// A register value and whether a real reply carried it: a lost reply reads as 0 but must never
// be written back as if it were data.
struct RegisterRead {
  uint32_t value = 0;
  bool answered = false;
  uint16_t Low16() const { return static_cast<uint16_t>(value); }
};

// A register asked twice in one exchange with a fence between: first as the first ask found it,
// fresh as no reply sent before the exchange can have answered (RegisterEngine::ReadFresh).
struct FencedRead {
  RegisterRead first;
  RegisterRead fresh;
};

// Reads and writes the selected switch's registers, one at a time or in batches. A read whose
// reply is overdue is asked again, a bounded number of times, before it counts as lost; a reply
// that may answer an earlier read is never taken for a later one.
class RegisterEngine {
 public:
  // Replies come within a fraction of a millisecond: one this late (or a few measured round trips
  // late, when that is longer) is taken for lost and asked for again. A late reply to an earlier
  // ask of the same read still counts when it comes.
  static constexpr uint64_t kReplyOverdueUs = 5000;
  // At 10 % loss a read is lost only once in a million.
  static constexpr int kAsksPerRead = 6;

  RegisterEngine(Link& link, Discovery& discovery, Clock& clock)
      : link_(link), discovery_(discovery), clock_(clock) {}

  RegisterRead ReadRegister(uint16_t reg);
  // Two registers in one exchange, as a batch reads them, leaving the batch as it is. The switch
  // answers in order, so second is read after first; second counts as unanswered when first had
  // to be asked again, since first's answer may then be the newer.
  std::pair<RegisterRead, RegisterRead> ReadRegisterPair(uint16_t first, uint16_t second);
  // Reads regs so that no reply the switch sent before this exchange began can answer it, leaving
  // the batch as it is. Each register is asked, then fence, then the register again; the second
  // ask takes only a reply that comes after every earlier ask of the exchange has had its own.
  // Replies come in the order of their asks, so that reply is the switch's answer to the second ask
  // or a copy of its answer to the first: either way what the register held once the exchange had
  // reached it, unless the segment held back a reply to an earlier exchange. The registers are
  // reached in the given order, each after the one before has been read. Nothing is asked twice,
  // since an answer to a repeated ask proves no order: one lost reply leaves every register
  // unanswered, and the caller asks again.
  std::vector<FencedRead> ReadFresh(std::span<const uint16_t> regs, uint16_t fence);
  int WriteRegister(uint16_t reg, uint32_t value);

  void BeginBatch();
  int QueueRead(uint16_t reg);
  // A read of its own, even of a register already queued, that takes a reply only once every entry
  // queued before it since the last transmission is answered. A batch with such a read is sent
  // once and never asked again.
  int QueueReadInOrder(uint16_t reg);
  int QueueWrite(uint16_t reg, uint32_t value);
  void TransmitBatch();
  // A stale or refused index (-1) reads as a scratch 0 and writes nowhere.
  uint32_t& BatchValue(int index);
  uint32_t BatchBits(int index, uint32_t mask) { return BatchValue(index) & mask; }
  bool BatchAnswered(int index) const;
  void SetBatchBits(int index, uint32_t mask, uint32_t bits);
  void FlushBatch();
  size_t BatchSize() const { return batch_.size(); }

  Clock& GetClock() { return clock_; }

 private:
  struct Entry {
    uint16_t reg;
    uint32_t value = 0;
    bool dirty = false;
    bool answered = false;
    unsigned asks = 0;
    unsigned replies = 0;
    bool tookLate = false;  // a late reply for its register came while it waited
    bool inOrder = false;   // takes a reply only after every earlier entry of its transmission
  };
  struct Reply {
    uint16_t reg;
    uint32_t value;
  };

  // Keeps the caller's batch aside while an exchange of the engine's own runs.
  class AsideBatch {
   public:
    explicit AsideBatch(RegisterEngine& engine);
    ~AsideBatch();
    AsideBatch(const AsideBatch&) = delete;
    AsideBatch& operator=(const AsideBatch&) = delete;

   private:
    RegisterEngine& engine_;
    std::vector<Entry> batch_;
    std::vector<ManagementFrame> queue_;
    size_t firstUnsent_;
    bool repliesExpected_;
    bool inOrder_;
  };

  // The selected switch's get reply to this adapter, or none.
  std::optional<Reply> ParseReply(std::span<const uint8_t> frame) const;
  // Whatever is buffered answers earlier reads: counts off the replies they still expected.
  void CountOffEarlierReplies(CaptureChannel& listen);
  bool Enqueue(const ManagementFrame& frame);
  // rounds grows when a reply an entry waits for may have been taken for an earlier read's.
  void HandleBatchReply(std::span<const uint8_t> frame, size_t& answered, int& rounds);
  // The entry a reply for reg goes to: the first of this transmission still waiting, else the last.
  Entry* EntryFor(uint16_t reg, size_t& at);
  bool EarlierAnswered(size_t at) const;
  // Asks once more for this transmission's unanswered entries.
  void AskAgain(CaptureChannel& send);
  // Reads the register channel until done(), until answered has not grown for the overdue time,
  // or until limitUs; reads counts down the reads left.
  void AwaitReplies(CaptureChannel& listen, const FrameSink& sink, const size_t& answered,
                    const std::function<bool()>& done, uint64_t limitUs, int& reads);

  Link& link_;
  Discovery& discovery_;
  Clock& clock_;
  LateReplies late_{kReplyOverdueUs, kAsksPerRead};
  std::vector<Entry> batch_;
  std::vector<ManagementFrame> queue_;
  size_t firstUnsent_ = 0;  // entries from here on were queued since the last transmission
  bool repliesExpected_ = true;
  bool inOrder_ = false;  // the batch holds a read in order
  uint32_t scratch_ = 0;
};

}  // namespace velkor
