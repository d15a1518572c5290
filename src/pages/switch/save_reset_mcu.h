#pragma once

#include <cstdint>

#include "device/message_table.h"
#include "pages/switch/save_reset.h"

namespace velkor {

// Mailbox command bits of the QX-G26A's microcontroller.
inline constexpr uint16_t kMcuSaveConfiguration = 0x0004;
inline constexpr uint16_t kMcuRestoreFactory = 0x0010;

// Hands command to the microcontroller and keeps the wait dialog up until the command bit clears,
// at most ticks spinner ticks. kDone when the command bit has cleared by then;
// otherwise the user has been told: busy (kRefused) or unanswered before anything changed, or the
// critical-operation failure (kFatal) when the microcontroller did not finish.
Outcome RunMcuCommand(const MaintenanceContext& c, uint16_t command, MessageId waitText, int ticks);

}  // namespace velkor
