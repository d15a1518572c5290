#pragma once

#include "transport/register_image.h"

namespace velkor {

// The configuration block a factory reset writes for modelCode: F16 for 1, F24 for 3, F8 for 2
// and 7, and the QX-G17A block for 4 and 5. None for any other code.
const ConfigImage* DefaultBlockFor(int modelCode);

// The buffer a save starts from. The save overwrites every register word, so only its gap bytes
// reach the EEPROM: those of F16 for model codes 1 and 3, the other template's for the rest.
const ConfigImage& SaveTemplateFor(int modelCode);

}  // namespace velkor
