#pragma once

#include <cstdint>

#include "transport/clock.h"

namespace velkor {

// Time that passes only when someone sleeps; shared by the in-memory wire and the emulator.
class VirtualClock final : public Clock {
 public:
  uint64_t NowUs() override { return now_us_; }
  void SleepUs(uint64_t us) override { now_us_ += us; }
  void AdvanceTo(uint64_t us) {
    if (us > now_us_) now_us_ = us;
  }

 private:
  uint64_t now_us_ = 0;
};

}  // namespace velkor
