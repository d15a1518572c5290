#pragma once

#include "device/progress_ui.h"
#include "pages/ports/port_description_prompt.h"
#include "pages/ports/port_description_record.h"
#include "pages/ports/port_settings.h"

namespace velkor {

// The port descriptions of the port settings page: set through the pop-up's "端口描述", re-read with
// "更新端口描述". They live in the EEPROM and are written at once, without the save step.
class PortDescriptions {
 public:
  PortDescriptions(PortSettings& page, PortDescriptionPrompt& prompt, ProgressUi& progress,
                   BusyIndicator& busy)
      : page_(page), prompt_(prompt), progress_(progress), busy_(busy) {}

  // Gives the confirmed text to every selected Fast Ethernet row; cancelling changes nothing.
  void N1Click();
  // Re-reads every Fast Ethernet port's description from the EEPROM.
  void Button8Click();

  // Writes one description and reads it back; false unless the EEPROM holds it afterwards.
  bool WriteDescription(size_t port, const PortDescriptionRecord& record);

 private:
  // Reads slot port into the cache, stepping bar once per byte; false (the slot keeps what it
  // showed) when a byte did not answer.
  bool ReadSlot(size_t port, Progress* bar);

  PortSettings& page_;
  PortDescriptionPrompt& prompt_;
  ProgressUi& progress_;
  BusyIndicator& busy_;
};

}  // namespace velkor
