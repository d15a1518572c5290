#pragma once

#include "device/identification.h"
#include "device/progress_ui.h"
#include "device/prompter.h"
#include "transport/transport_session.h"

namespace velkor {

// What the engineering pages reach: the switch's registers, PHYs and EEPROM, what identification
// learned of it, and the user. They make no connection check of their own.
struct EngineeringContext {
  TransportSession& transport;
  const SwitchIdentifier& identifier;
  Prompter& prompter;
  ProgressUi& progress;
  BusyIndicator& busy;

  SwitchAccess& Access() { return transport.access; }
};

}  // namespace velkor
