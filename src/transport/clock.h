#pragma once

#include <cstdint>

namespace velkor {

// Every sleep and every read time-out of the system goes through a Clock, so tests run the
// 5 s soft reset or a 600 s spinner on virtual time.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint64_t NowUs() = 0;
  virtual void SleepUs(uint64_t us) = 0;
  void SleepMs(uint64_t ms) { SleepUs(ms * 1000); }
};

// Wall time: a monotonic clock and real sleeps.
class SystemClock final : public Clock {
 public:
  uint64_t NowUs() override;
  void SleepUs(uint64_t us) override;
};

}  // namespace velkor
