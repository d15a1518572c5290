#include "app/wait_cursor_clock.h"

#include <QAbstractEventDispatcher>
#include <QApplication>

namespace velkor {

WaitCursorClock::WaitCursorClock(Clock& clock) : clock_(clock) {
  if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
    idle_ = QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, [this] { Idle(); });
}

WaitCursorClock::~WaitCursorClock() {
  QObject::disconnect(idle_);
  Idle();
}

uint64_t WaitCursorClock::NowUs() {
  const uint64_t now = clock_.NowUs();
  Working(now, now);
  return now;
}

// A sleep known to be long shows the cursor before it starts, not after.
void WaitCursorClock::SleepUs(uint64_t us) {
  const uint64_t now = clock_.NowUs();
  Working(now, now + us);
  clock_.SleepUs(us);
}

void WaitCursorClock::Working(uint64_t nowUs, uint64_t untilUs) {
  if (!workStartUs_) workStartUs_ = nowUs;
  if (shown_ || untilUs - *workStartUs_ < kMomentUs) return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  shown_ = true;
}

void WaitCursorClock::Idle() {
  workStartUs_.reset();
  if (!shown_) return;
  QApplication::restoreOverrideCursor();
  shown_ = false;
}

}  // namespace velkor
