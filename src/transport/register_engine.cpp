#include "transport/register_engine.h"

namespace velkor {

namespace {
// Upper bounds: a single read makes at most 301 reads of the 1 ms register channel over all its
// asks; a batch's first round waits at most 100 ms, and each round makes at most 300 reads.
constexpr int kSingleReadDispatches = 301;
constexpr int kBatchRoundReads = 300;
constexpr uint64_t kBatchWaitUs = 100'000;
constexpr uint64_t kWritesOnlyWaitMs = 100;
}  // namespace

void RegisterEngine::AwaitReplies(CaptureChannel& listen, const FrameSink& sink, const size_t& answered,
                                  size_t wanted, uint64_t limitUs, int& reads) {
  size_t seen = answered;
  uint64_t overdueAt = clock_.NowUs() + kReplyOverdueUs;
  while (answered < wanted && reads > 0) {
    const uint64_t now = clock_.NowUs();
    if (now >= overdueAt || now >= limitUs) return;
    listen.Dispatch(sink);
    --reads;
    // Replies still coming in: the rest are not overdue yet.
    if (answered != seen) overdueAt = clock_.NowUs() + kReplyOverdueUs;
    seen = answered;
  }
}

RegisterRead RegisterEngine::ReadRegister(uint16_t reg) {
  RegisterRead result;
  CaptureChannel* send = link_.SendChannel();
  CaptureChannel* listen = link_.RegisterChannel();
  if (!send || !listen) return result;
  const Mac adapter = link_.AdapterMac();
  const Mac target = discovery_.SelectedMac();
  size_t answered = 0;
  // A frame for another register or switch does not end the wait; only a reply to one of our
  // asks does, whichever ask it answers.
  const FrameSink sink = [&](std::span<const uint8_t> frame) {
    const auto layout = IsGetReply(frame, adapter, target);
    if (!layout || answered || ReplyRegister(frame, *layout) != reg) return;
    result.value = ReplyData(frame, *layout);
    result.answered = true;
    answered = 1;
  };
  // Replies to earlier, abandoned reads must not answer this one.
  listen->DiscardPending();
  const ManagementFrame ask = BuildGet(adapter, target, reg);
  int reads = kSingleReadDispatches;
  for (int asks = 0; asks < kAsksPerRead && !answered && reads > 0; ++asks) {
    send->Send(ask);
    AwaitReplies(*listen, sink, answered, 1, UINT64_MAX, reads);
  }
  return result;
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
  batch_.push_back({reg, 0, false, false});
  return static_cast<int>(batch_.size() - 1);
}

int RegisterEngine::QueueWrite(uint16_t reg, uint32_t value) {
  repliesExpected_ = false;
  return Enqueue(BuildSet(link_.AdapterMac(), discovery_.SelectedMac(), reg, value)) ? 0 : -1;
}

void RegisterEngine::HandleBatchReply(std::span<const uint8_t> frame, size_t& answered) {
  const auto layout = IsGetReply(frame, link_.AdapterMac(), discovery_.SelectedMac());
  if (!layout) return;
  const uint16_t reg = ReplyRegister(frame, *layout);
  // Only this transmission's entries take replies, each its first: a late or repeated reply
  // never overwrites a value the caller may already have changed.
  for (size_t i = firstUnsent_; i < batch_.size(); ++i) {
    Entry& e = batch_[i];
    if (e.reg != reg) continue;
    if (e.answered) return;
    e.value = ReplyData(frame, *layout);
    e.answered = true;
    ++answered;
    return;
  }
}

void RegisterEngine::AskAgain(CaptureChannel& send) {
  for (size_t i = firstUnsent_; i < batch_.size(); ++i)
    if (!batch_[i].answered) send.Send(BuildGet(link_.AdapterMac(), discovery_.SelectedMac(), batch_[i].reg));
}

void RegisterEngine::TransmitBatch() {
  CaptureChannel* send = link_.SendChannel();
  CaptureChannel* listen = link_.RegisterChannel();
  if (send && listen && !repliesExpected_) {
    for (const ManagementFrame& f : queue_) send->Send(f);
    clock_.SleepMs(kWritesOnlyWaitMs);
  } else if (send && listen) {
    listen->DiscardPending();
    for (const ManagementFrame& f : queue_) send->Send(f);
    const size_t wanted = batch_.size() - firstUnsent_;
    size_t answered = 0;
    for (size_t i = firstUnsent_; i < batch_.size(); ++i) answered += batch_[i].answered;
    const FrameSink sink = [&](std::span<const uint8_t> frame) { HandleBatchReply(frame, answered); };
    // Counting answered entries, not frames, keeps duplicates and foreign frames from ending the
    // wait before every reply is in.
    int reads = kBatchRoundReads;
    AwaitReplies(*listen, sink, answered, wanted, clock_.NowUs() + kBatchWaitUs, reads);
    for (int asks = 1; asks < kAsksPerRead && answered < wanted; ++asks) {
      AskAgain(*send);
      reads = kBatchRoundReads;
      AwaitReplies(*listen, sink, answered, wanted, clock_.NowUs() + kBatchWaitUs, reads);
    }
  }
  repliesExpected_ = true;
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
