#include "transport/register_engine.h"

namespace velkor {

namespace {
// A single read gives up after 301 reads of the 1 ms register channel; a batch drains with up to
// 300 further reads after its fixed 100 ms wait.
constexpr int kSingleReadAttempts = 301;
constexpr int kBatchDrainReads = 300;
constexpr uint64_t kBatchWaitMs = 100;
}  // namespace

RegisterRead RegisterEngine::ReadRegister(uint16_t reg) {
  RegisterRead result;
  CaptureChannel* send = link_.SendChannel();
  CaptureChannel* listen = link_.RegisterChannel();
  if (!send || !listen) return result;
  const Mac adapter = link_.AdapterMac();
  const Mac target = discovery_.SelectedMac();
  // Replies to earlier, abandoned reads must not answer this one.
  listen->DiscardPending();
  send->Send(BuildGet(adapter, target, reg));
  for (int attempt = 0; attempt < kSingleReadAttempts && !result.answered; ++attempt) {
    // A frame for another register or switch does not end the wait; only our own reply does.
    listen->Dispatch([&](std::span<const uint8_t> frame) {
      const auto layout = IsGetReply(frame, adapter, target);
      if (!layout || result.answered || ReplyRegister(frame, *layout) != reg) return;
      result.value = ReplyData(frame, *layout);
      result.answered = true;
    });
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
  for (Entry& e : batch_) {
    if (e.reg != reg) continue;
    e.value = ReplyData(frame, *layout);
    if (!e.answered) ++answered;
    e.answered = true;
    return;
  }
}

void RegisterEngine::TransmitBatch() {
  CaptureChannel* send = link_.SendChannel();
  CaptureChannel* listen = link_.RegisterChannel();
  if (send && listen) {
    if (repliesExpected_) listen->DiscardPending();
    for (const ManagementFrame& f : queue_) send->Send(f);
    clock_.SleepMs(kBatchWaitMs);
    if (repliesExpected_) {
      size_t answered = 0;
      for (const Entry& e : batch_) answered += e.answered;
      const auto sink = [&](std::span<const uint8_t> frame) { HandleBatchReply(frame, answered); };
      // Counting answered entries, not frames, keeps duplicates and foreign frames from ending
      // the drain before every reply is in.
      listen->Dispatch(sink);
      for (int reads = 0; answered < batch_.size() && reads < kBatchDrainReads; ++reads)
        listen->Dispatch(sink);
    }
  }
  repliesExpected_ = true;
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
