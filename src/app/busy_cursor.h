#pragma once

#include "transport/switch_access.h"

namespace velkor {

// The application-wide wait cursor; calls nest like the override-cursor stack they use.
class BusyCursor : public BusyIndicator {
 public:
  void Begin() override;
  void End() override;
};

}  // namespace velkor
