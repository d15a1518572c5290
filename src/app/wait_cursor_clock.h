#pragma once

#include <QMetaObject>
#include <cstdint>
#include <optional>

#include "transport/clock.h"

namespace velkor {

// The program's clock, which also shows the wait cursor once the work in hand has waited on the
// switch for longer than a moment, and takes it away as soon as the window takes events again.
// Every wait of the transport (reply reads, batch waits, busy polls, the soft reset) asks its clock
// for the time or sleeps on it, so no action leaves a frozen window without the cursor.
class WaitCursorClock final : public Clock {
 public:
  static constexpr uint64_t kMomentUs = 200'000;

  explicit WaitCursorClock(Clock& clock);
  ~WaitCursorClock() override;
  WaitCursorClock(const WaitCursorClock&) = delete;
  WaitCursorClock& operator=(const WaitCursorClock&) = delete;

  uint64_t NowUs() override;
  void SleepUs(uint64_t us) override;

  // The event loop is about to wait for events: the work in hand is over.
  void Idle();

 private:
  // The work in hand has run until untilUs.
  void Working(uint64_t nowUs, uint64_t untilUs);

  Clock& clock_;
  std::optional<uint64_t> workStartUs_;
  bool shown_ = false;
  QMetaObject::Connection idle_;
};

}  // namespace velkor
