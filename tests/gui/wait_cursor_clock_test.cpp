#include "app/wait_cursor_clock.h"

#include <gtest/gtest.h>

#include <QAbstractEventDispatcher>
#include <QApplication>

#include "testing/virtual_clock.h"

namespace velkor {
namespace {

bool WaitCursorShown() {
  const QCursor* cursor = QApplication::overrideCursor();
  return cursor && cursor->shape() == Qt::WaitCursor;
}

TEST(WaitCursorClockTest, WorkLongerThanAMomentShowsTheCursorUntilTheEventLoopIdles) {
  VirtualClock time;
  WaitCursorClock clock(time);
  clock.NowUs();
  time.SleepUs(WaitCursorClock::kMomentUs - 1);
  clock.NowUs();
  EXPECT_FALSE(WaitCursorShown()) << "a short exchange does not flash the cursor";

  time.SleepUs(1);
  clock.NowUs();
  EXPECT_TRUE(WaitCursorShown());
  emit QAbstractEventDispatcher::instance()->aboutToBlock();
  EXPECT_FALSE(WaitCursorShown());

  clock.NowUs();
  time.SleepUs(WaitCursorClock::kMomentUs / 2);
  clock.NowUs();
  EXPECT_FALSE(WaitCursorShown()) << "the next piece of work is timed afresh";
}

// A clock whose sleeps note whether the cursor was already up.
class SleepWatch final : public Clock {
 public:
  uint64_t NowUs() override { return now_; }
  void SleepUs(uint64_t us) override {
    shownDuringSleep = WaitCursorShown();
    now_ += us;
  }
  bool shownDuringSleep = false;

 private:
  uint64_t now_ = 0;
};

TEST(WaitCursorClockTest, ALongSleepShowsTheCursorBeforeItStarts) {
  SleepWatch time;
  {
    WaitCursorClock clock(time);
    clock.SleepMs(5000);
    EXPECT_TRUE(time.shownDuringSleep);
  }
  EXPECT_FALSE(WaitCursorShown()) << "the clock takes its cursor with it";
}

}  // namespace
}  // namespace velkor
