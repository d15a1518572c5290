#include "sim/microcontroller.h"

namespace velkor::sim {

void Microcontroller::OnMailboxWrite(uint32_t before, uint32_t after, uint64_t nowUs) {
  for (uint32_t bit : {kSaveConfiguration, kRestoreFactory})
    if ((after & bit) && !(before & bit)) due_[bit] = nowUs + delayUs_;
}

uint32_t Microcontroller::TakeDue(uint64_t nowUs) {
  if (stuck_) return 0;
  uint32_t done = 0;
  for (auto it = due_.begin(); it != due_.end();) {
    if (it->second > nowUs) {
      ++it;
      continue;
    }
    done |= it->first;
    it = due_.erase(it);
  }
  return done;
}

}  // namespace velkor::sim
