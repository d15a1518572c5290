#include "transport/register_engine.h"

#include <algorithm>
#include <utility>

namespace velkor {

namespace {

// The asks of an ended read that may still be answered. When the read took a late reply for one of
// its own, none is counted: an ask is lost far more often than it is late, and a count kept in
// doubt would make every later read of the register wait again.
unsigned Unanswered(unsigned asks, unsigned replies, bool tookLate) {
  return tookLate || asks <= replies ? 0 : asks - replies;
}

// Upper bounds: a single read makes at most 301 reads of the 1 ms register channel over all its
// asks; a batch's first round waits at most 100 ms, and each round makes at most 300 reads.
constexpr int kSingleReadDispatches = 301;
constexpr int kBatchRoundReads = 300;
constexpr uint64_t kBatchWaitUs = 100'000;
}  // namespace

std::optional<RegisterEngine::Reply> RegisterEngine::ParseReply(std::span<const uint8_t> frame) const {
  const auto layout = IsGetReply(frame, link_.AdapterMac(), discovery_.SelectedMac());
  if (!layout) return std::nullopt;
  return Reply{ReplyRegister(frame, *layout), ReplyData(frame, *layout)};
}

void RegisterEngine::CountOffEarlierReplies(CaptureChannel& listen) {
  listen.DispatchPending([this](std::span<const uint8_t> frame) {
    if (const auto reply = ParseReply(frame)) late_.Stale(reply->reg, clock_.NowUs());
  });
}

void RegisterEngine::AwaitReplies(CaptureChannel& listen, const FrameSink& sink, const size_t& answered,
                                  const std::function<bool()>& done, uint64_t limitUs, int& reads) {
  size_t seen = answered;
  uint64_t overdueAt = clock_.NowUs() + late_.OverdueUs();
  // What is buffered is always read before a reply is taken for overdue.
  while (!done() && reads > 0) {
    listen.Dispatch(sink);
    --reads;
    const uint64_t now = clock_.NowUs();
    // Replies still coming in: the rest are not overdue yet.
    if (answered != seen) overdueAt = now + late_.OverdueUs();
    seen = answered;
    if (now >= overdueAt || now >= limitUs) return;
  }
}

RegisterRead RegisterEngine::ReadRegister(uint16_t reg) {
  RegisterRead result;
  CaptureChannel* send = link_.SendChannel();
  CaptureChannel* listen = link_.RegisterChannel();
  if (!send || !listen) return result;
  CountOffEarlierReplies(*listen);
  size_t answered = 0;
  unsigned asks = 0;
  unsigned replies = 0;
  bool tookLate = false;
  bool askNow = false;
  int asksLeft = kAsksPerRead;
  // A frame for another register or switch does not end the wait; a reply to any of this read's
  // asks does.
  const FrameSink sink = [&](std::span<const uint8_t> frame) {
    const auto reply = ParseReply(frame);
    if (!reply) return;
    const bool stale = late_.Stale(reply->reg, clock_.NowUs());
    const bool ours = !stale && reply->reg == reg && !answered;
    if (reply->reg == reg && stale) {
      // It may have been ours, its earlier ask lost: ask again at once, and once more.
      tookLate = true;
      ++asksLeft;
      askNow = true;
    } else if (reply->reg == reg) {
      ++replies;
    }
    if (!ours) return;
    result = {reply->value, true};
    answered = 1;
  };
  const ManagementFrame ask = BuildGet(link_.AdapterMac(), discovery_.SelectedMac(), reg);
  int reads = kSingleReadDispatches;
  const uint64_t firstAskUs = clock_.NowUs();
  while (!answered && asksLeft > 0 && reads > 0) {
    if (asks > 0 && !askNow) late_.BackOff();
    askNow = false;
    send->Send(ask);
    ++asks;
    --asksLeft;
    AwaitReplies(
        *listen, sink, answered, [&] { return answered || askNow; }, UINT64_MAX, reads);
  }
  if (answered && asks == 1) late_.Measured(clock_.NowUs() - firstAskUs);
  late_.Expect(reg, Unanswered(asks, replies, tookLate), clock_.NowUs());
  return result;
}

RegisterEngine::AsideBatch::AsideBatch(RegisterEngine& engine)
    : engine_(engine),
      batch_(std::exchange(engine.batch_, {})),
      queue_(std::exchange(engine.queue_, {})),
      firstUnsent_(std::exchange(engine.firstUnsent_, 0)),
      repliesExpected_(std::exchange(engine.repliesExpected_, true)),
      inOrder_(std::exchange(engine.inOrder_, false)) {}

RegisterEngine::AsideBatch::~AsideBatch() {
  engine_.batch_ = std::move(batch_);
  engine_.queue_ = std::move(queue_);
  engine_.firstUnsent_ = firstUnsent_;
  engine_.repliesExpected_ = repliesExpected_;
  engine_.inOrder_ = inOrder_;
}

std::pair<RegisterRead, RegisterRead> RegisterEngine::ReadRegisterPair(uint16_t first, uint16_t second) {
  const AsideBatch aside(*this);
  const int a = QueueRead(first);
  const int b = QueueRead(second);
  TransmitBatch();
  // When first had to be asked again, the answer it got may be newer than second's.
  const bool inOrder = batch_[a].asks == 1;
  return {{BatchValue(a), BatchAnswered(a)}, {BatchValue(b), inOrder && BatchAnswered(b)}};
}

std::vector<FencedRead> RegisterEngine::ReadFresh(std::span<const uint16_t> regs, uint16_t fence) {
  const AsideBatch aside(*this);
  std::vector<std::pair<int, int>> asks;
  asks.reserve(regs.size());
  for (uint16_t reg : regs) {
    const int first = batch_.empty() ? QueueRead(reg) : QueueReadInOrder(reg);
    QueueReadInOrder(fence);
    asks.emplace_back(first, QueueReadInOrder(reg));
  }
  TransmitBatch();
  const bool all = std::all_of(batch_.begin(), batch_.end(), [](const Entry& e) { return e.answered; });
  std::vector<FencedRead> read(regs.size());
  if (all)
    for (size_t i = 0; i < regs.size(); ++i)
      read[i] = {{BatchValue(asks[i].first), true}, {BatchValue(asks[i].second), true}};
  return read;
}

int RegisterEngine::WriteRegister(uint16_t reg, uint32_t value) {
  CaptureChannel* send = link_.SendChannel();
  if (!send) return -1;
  return send->Send(BuildSet(link_.AdapterMac(), discovery_.SelectedMac(), reg, value));
}

void RegisterEngine::BeginBatch() {
  batch_.clear();
  firstUnsent_ = 0;
  queue_.clear();
  inOrder_ = false;
}

bool RegisterEngine::Enqueue(const ManagementFrame& frame) {
  if ((queue_.size() + 1) * kQueuedFrameBytes > kSendQueueBytes) {
    link_.Errors() << "Warning: packet buffer too small, not all the packets will be sent.\n";
    return false;
  }
  queue_.push_back(frame);
  return true;
}

int RegisterEngine::QueueRead(uint16_t reg) {
  for (size_t i = 0; i < batch_.size(); ++i)
    if (batch_[i].reg == reg) return static_cast<int>(i);
  if (batch_.size() == kMaxBatchEntries) {
    link_.Errors() << "Warning: batch table full, register read dropped.\n";
    return -1;
  }
  if (!Enqueue(BuildGet(link_.AdapterMac(), discovery_.SelectedMac(), reg))) return -1;
  batch_.push_back({reg});
  return static_cast<int>(batch_.size() - 1);
}

int RegisterEngine::QueueReadInOrder(uint16_t reg) {
  if (batch_.size() == kMaxBatchEntries ||
      !Enqueue(BuildGet(link_.AdapterMac(), discovery_.SelectedMac(), reg)))
    return -1;
  batch_.push_back({reg});
  batch_.back().inOrder = true;
  inOrder_ = true;
  return static_cast<int>(batch_.size() - 1);
}

int RegisterEngine::QueueWrite(uint16_t reg, uint32_t value) {
  repliesExpected_ = false;
  return Enqueue(BuildSet(link_.AdapterMac(), discovery_.SelectedMac(), reg, value)) ? 0 : -1;
}

RegisterEngine::Entry* RegisterEngine::EntryFor(uint16_t reg, size_t& at) {
  Entry* entry = nullptr;
  for (size_t i = firstUnsent_; i < batch_.size(); ++i) {
    if (batch_[i].reg != reg) continue;
    entry = &batch_[i];
    at = i;
    if (!entry->answered) break;
  }
  return entry;
}

bool RegisterEngine::EarlierAnswered(size_t at) const {
  return std::all_of(batch_.begin() + static_cast<std::ptrdiff_t>(firstUnsent_),
                     batch_.begin() + static_cast<std::ptrdiff_t>(at),
                     [](const Entry& e) { return e.answered; });
}

void RegisterEngine::HandleBatchReply(std::span<const uint8_t> frame, size_t& answered, int& rounds) {
  const auto reply = ParseReply(frame);
  if (!reply) return;
  // Only this transmission's entries take replies, each its first: a late or repeated reply never
  // overwrites a value the caller may already have changed.
  size_t at = 0;
  Entry* entry = EntryFor(reply->reg, at);
  const bool stale = late_.Stale(reply->reg, clock_.NowUs());
  // A reply that comes too early for its entry is still a reply to one of the asks: counted, not taken.
  if (entry && !stale && !entry->answered && entry->inOrder && !EarlierAnswered(at)) {
    ++entry->replies;
    return;
  }
  const bool ours = !stale && entry && !entry->answered;
  if (entry && stale) {
    // It may have been the entry's own, its earlier ask lost: one round more, where asks may repeat.
    if (!entry->answered && !inOrder_) rounds = std::min(rounds + 1, 2 * kAsksPerRead);
    entry->tookLate = true;
  } else if (entry) {
    ++entry->replies;
  }
  if (!ours) return;
  entry->value = reply->value;
  entry->answered = true;
  ++answered;
}

void RegisterEngine::AskAgain(CaptureChannel& send) {
  for (size_t i = firstUnsent_; i < batch_.size(); ++i) {
    Entry& e = batch_[i];
    if (e.answered) continue;
    send.Send(BuildGet(link_.AdapterMac(), discovery_.SelectedMac(), e.reg));
    ++e.asks;
  }
}

void RegisterEngine::TransmitBatch() {
  CaptureChannel* send = link_.SendChannel();
  CaptureChannel* listen = link_.RegisterChannel();
  if (send && listen && !repliesExpected_) {
    // Set requests have no reply to wait for; the switch takes them in order, before any later read.
    for (const ManagementFrame& f : queue_) send->Send(f);
  } else if (send && listen) {
    CountOffEarlierReplies(*listen);
    for (const ManagementFrame& f : queue_) send->Send(f);
    for (size_t i = firstUnsent_; i < batch_.size(); ++i) batch_[i].asks = 1;
    const size_t wanted = batch_.size() - firstUnsent_;
    size_t answered = 0;
    int rounds = inOrder_ ? 1 : kAsksPerRead;
    const FrameSink sink = [&](std::span<const uint8_t> frame) { HandleBatchReply(frame, answered, rounds); };
    // Counting answered entries, not frames, keeps duplicates and foreign frames from ending the
    // wait before every reply is in.
    int round = 0;
    for (; round < rounds && answered < wanted; ++round) {
      if (round > 0) {
        late_.BackOff();
        AskAgain(*send);
      }
      int reads = kBatchRoundReads;
      AwaitReplies(
          *listen, sink, answered, [&] { return answered == wanted; }, clock_.NowUs() + kBatchWaitUs, reads);
    }
    for (size_t i = firstUnsent_; i < batch_.size(); ++i) {
      const Entry& e = batch_[i];
      late_.Expect(e.reg, Unanswered(e.asks, e.replies, e.tookLate), clock_.NowUs());
    }
  }
  repliesExpected_ = true;
  inOrder_ = false;
  firstUnsent_ = batch_.size();
  queue_.clear();
}

uint32_t& RegisterEngine::BatchValue(int index) {
  if (index < 0 || static_cast<size_t>(index) >= batch_.size()) {
    scratch_ = 0;
    return scratch_;
  }
  return batch_[index].value;
}

bool RegisterEngine::BatchAnswered(int index) const {
  return index >= 0 && static_cast<size_t>(index) < batch_.size() && batch_[index].answered;
}

void RegisterEngine::SetBatchBits(int index, uint32_t mask, uint32_t bits) {
  if (index < 0 || static_cast<size_t>(index) >= batch_.size()) return;
  Entry& e = batch_[index];
  e.value = (bits & mask) | (e.value & ~mask);
  e.dirty = true;
}

void RegisterEngine::FlushBatch() {
  bool queued = false;
  for (Entry& e : batch_) {
    if (!e.dirty) continue;
    QueueWrite(e.reg, e.value);
    e.dirty = false;
    queued = true;
  }
  if (queued) TransmitBatch();
}

}  // namespace velkor
