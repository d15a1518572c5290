#pragma once

#include "app/event_hold.h"
#include "transport/switch_access.h"

namespace velkor {

// The application-wide wait cursor for long switch work, which holds back the program's timers and
// posted events meanwhile; calls nest like the override-cursor stack they use.
class BusyCursor : public BusyIndicator {
 public:
  void Begin() override;
  void End() override;

 private:
  EventHold hold_;
};

}  // namespace velkor
