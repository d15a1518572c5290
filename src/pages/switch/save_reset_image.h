#pragma once

#include <optional>

#include "transport/progress.h"
#include "transport/register_image.h"
#include "transport/transport_session.h"

namespace velkor {

// Fills image with the live registers of the register image map for a save. Registers that went
// unanswered are asked again a few times; the placeholder word, which no chip register backs,
// keeps what the EEPROM holds when the switch does not answer for it. False when some word is
// still unknown: then nothing may be written.
bool ReadLiveRegisters(TransportSession& transport, ConfigImage& image, Progress* progress);

// Whether a save would change the EEPROM's configuration block: the live registers laid into the
// model's save template, against the block as stored. None when either could not be read.
std::optional<bool> LiveDiffersFromStored(TransportSession& transport, int modelCode);

}  // namespace velkor
