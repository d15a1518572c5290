#include "cli/maintenance_wait.h"

#include "device/spinner.h"
#include "pages/switch/save_reset_mcu.h"

namespace velkor::cli {

void MailboxWait::StartSpinner(const std::string&, int limit) {
  Clock& clock = access_.Engine().GetClock();
  const uint64_t deadline = clock.NowUs() + static_cast<uint64_t>(limit) * Spinner::kTickMs * 1000;
  while (clock.NowUs() < deadline) {
    // A read that got no reply proves nothing: keep waiting.
    const auto pending = access_.CheckCommRegBit(kMcuSaveConfiguration | kMcuRestoreFactory);
    if (pending && !*pending) return;
    clock.SleepMs(kPollMs);
  }
}

}  // namespace velkor::cli
