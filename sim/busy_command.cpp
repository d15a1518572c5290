#include "sim/busy_command.h"

namespace velkor::sim {

void BusyCommand::Begin(std::function<void()> work) {
  work_ = std::move(work);
  left_ = polls_;
  if (!Busy()) Finish();
}

bool BusyCommand::Poll() {
  if (stuck_) return true;
  if (left_ > 0) {
    --left_;
    return true;
  }
  Finish();
  return false;
}

void BusyCommand::Reset() {
  left_ = 0;
  work_ = nullptr;
}

void BusyCommand::Finish() {
  if (!work_) return;
  auto work = std::move(work_);
  work_ = nullptr;
  work();
}

}  // namespace velkor::sim
