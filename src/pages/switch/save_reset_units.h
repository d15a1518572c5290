#pragma once

#include "device/port_layout.h"
#include "transport/register_engine.h"

namespace velkor {

// After a factory reset every Fast Ethernet counter counts frames. Works on the batch the soft
// reset left: the unit registers are queued but never read, so each register that holds Fast
// Ethernet ports (always two of them) is written whole with 0x0555, whatever the switch answers.
void ResetCounterUnits(RegisterEngine& engine, const PortLayout& layout);

}  // namespace velkor
