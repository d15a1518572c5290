#pragma once

#include <string>

#include "device/outcome.h"
#include "pages/engineering/engineering_context.h"

namespace velkor {

// The page "EEPROM Writer": burns a raw image file into the EEPROM byte by byte, each byte read
// back, with a progress bar. No question is asked and no connection check is made: it serves the
// factory bench.
class EepromWriter {
 public:
  explicit EepromWriter(EngineeringContext& context) : c_(context) {}

  // "Burn Image" with the file named in the page's field. kRefused when the file cannot be read or
  // is larger than the EEPROM (then nothing is written); kNotVerified when a byte reads back
  // differently and kNoAnswer when it does not read back at all.
  Outcome Button18Click(const std::string& path);

 private:
  EngineeringContext& c_;
};

}  // namespace velkor
