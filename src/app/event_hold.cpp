#include "app/event_hold.h"

#include <QCoreApplication>
#include <QTimer>
#include <QVariant>

namespace velkor {
namespace {
constexpr const char* kKeepsTicking = "velkorKeepsTicking";
}

void EventHold::Begin() {
  if (depth_++ == 0) QCoreApplication::instance()->installEventFilter(this);
}

void EventHold::End() {
  if (depth_ == 0 || --depth_ > 0) return;
  QCoreApplication::instance()->removeEventFilter(this);
  // Another hold still in force takes these up again.
  for (const auto& [receiver, type] : std::exchange(held_, {}))
    if (receiver) QCoreApplication::postEvent(receiver, new RequestEvent(type));
}

void EventHold::KeepTicking(QObject* timer) { timer->setProperty(kKeepsTicking, true); }

bool EventHold::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Timer)
    return qobject_cast<QTimer*>(watched) && !watched->property(kKeepsTicking).toBool();
  if (dynamic_cast<RequestEvent*>(event)) {
    held_.emplace_back(watched, event->type());
    return true;
  }
  return false;
}

}  // namespace velkor
