#include "transport/clock.h"

#include <sys/prctl.h>

#include <chrono>
#include <thread>

namespace velkor {

namespace {
// A sleeping thread wakes up to 50 us late by default. The EEPROM's write cycles and busy-bit polls
// add that up hundreds of times in one save, so a thread that sleeps here asks to wake on time.
bool WakeOnTime() { return prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL) == 0; }
}  // namespace

uint64_t SystemClock::NowUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::SleepUs(uint64_t us) {
  thread_local const bool onTime [[maybe_unused]] = WakeOnTime();
  std::this_thread::sleep_for(std::chrono::microseconds(us));
}

}  // namespace velkor
