#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <utility>
#include <vector>

namespace velkor {

// A request the program posts to itself, such as the rediscovery after a disconnect. It carries
// nothing but its type, so a held one can be posted again.
class RequestEvent : public QEvent {
 public:
  using QEvent::QEvent;
};

// Holds back the program's timers and its own posted events while a long switch operation runs the
// event loop (to paint its bar, or as the modal spinner): a statistics tick or a rediscovery in the
// middle of an EEPROM block would talk to the switch, or select another one, between two of its
// bytes. A held timer tick is dropped: a periodic refresh misses it and a single-shot timer fires an
// interval later. The program's own requests (RequestEvent) are delivered once the last hold ends.
// Holds nest.
class EventHold : public QObject {
 public:
  EventHold() = default;
  EventHold(const EventHold&) = delete;
  EventHold& operator=(const EventHold&) = delete;

  void Begin();
  void End();

  // The timer keeps ticking under every hold: the spinner that a held operation waits for.
  static void KeepTicking(QObject* timer);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int depth_ = 0;
  std::vector<std::pair<QPointer<QObject>, QEvent::Type>> held_;
};

}  // namespace velkor
