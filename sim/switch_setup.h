#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "transport/mac.h"

namespace velkor::sim {

// The switch a cascaded one hangs behind, and that switch's port leading to it.
struct Upstream {
  size_t index = 0;
  uint8_t port = 0;
};

struct SwitchTiming {
  unsigned eepromBusyPolls = 2;   // polls of 0x0217 that read busy after each command
  unsigned phyBusyPolls = 1;      // polls of 0x0500 that read busy after each command
  uint64_t mcuDelayUs = 500000;   // until the microcontroller clears a command bit
  uint64_t softResetUs = 200000;  // the chip neither answers nor forwards while it restarts
  uint64_t latencyUs = 100;       // from a request to its reply
};

// Everything that tells one emulated switch from another when it is built.
struct SwitchSetup {
  uint8_t modelCode = 2;
  Mac mac{0x02, 0x10, 0x00, 0x00, 0x00, 0x01};  // written into the factory EEPROM
  std::optional<uint16_t> chipId;               // register 0x0208; default: the model's
  std::optional<uint8_t> localPort;             // where frames from the host come in; default: first FE port
  std::optional<Upstream> parent;               // none: attached to the host directly
  bool eepromPresent = true;                    // register 0x0100 bit 0 clear
  bool gigabitModule = true;                    // register 0x0102 bit 3
  SwitchTiming timing;
  uint64_t seed = 1;  // for faults that strike by chance
};

}  // namespace velkor::sim
