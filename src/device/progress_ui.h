#pragma once

#include <functional>
#include <memory>
#include <string>

#include "transport/progress.h"

namespace velkor {

// The progress dialog as the operations see it: a bar stepped by long EEPROM work, or a modal
// spinner that closes once the work it waits for is finished, at the latest after a number of
// 2000 ms ticks.
class ProgressUi {
 public:
  virtual ~ProgressUi() = default;
  // Shows the bar with the busy cursor until the returned object is destroyed.
  virtual std::unique_ptr<Progress> ShowProgress(int maximum) = 0;
  // Shows message with a turning spinner, modally, until finished() is true (asked at every tick)
  // or limit ticks have passed.
  virtual void StartSpinner(const std::string& message, int limit, const std::function<bool()>& finished) = 0;
};

}  // namespace velkor
