#pragma once

namespace velkor {

// A bar that long EEPROM and register-image operations advance one step at a time.
class Progress {
 public:
  virtual ~Progress() = default;
  virtual void StepIt() = 0;
};

}  // namespace velkor
