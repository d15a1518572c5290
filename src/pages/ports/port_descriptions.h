#pragma once

#include "device/outcome.h"
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

  // Gives the confirmed text to every selected Fast Ethernet row; cancelling changes nothing
  // (kNotConfirmed). A row whose slot does not take the text (kNotVerified) does not keep the
  // others from theirs; a switch that stops answering (kNoAnswer) ends the writing.
  Outcome N1Click();
  // Re-reads every Fast Ethernet port's description from the EEPROM; kNoAnswer when a slot did
  // not answer (it and the rest keep what they showed).
  Outcome Button8Click();

  // Writes one description and reads it back: kDone when the EEPROM holds it afterwards,
  // kNotVerified when it holds something else, kNoAnswer when it could not be read back.
  Outcome WriteDescription(size_t port, const PortDescriptionRecord& record);

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
