#include "transport/clock.h"

#include <chrono>
#include <thread>

namespace velkor {

uint64_t SystemClock::NowUs() {
  using namespace std::chrono;
  return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::SleepUs(uint64_t us) { std::this_thread::sleep_for(std::chrono::microseconds(us)); }

}  // namespace velkor
