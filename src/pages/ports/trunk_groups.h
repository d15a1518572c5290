#pragma once

#include <cstdint>

#include "device/connection.h"
#include "device/port_layout.h"
#include "transport/register_engine.h"

namespace velkor {

// Bit k enables trunk group k (0-7).
inline constexpr uint16_t kTrunkEnableRegister = 0x0307;

// The trunk group of chip port p on model modelCode: 0-7, or -1 for a port no group holds.
int TrunkGroupOf(int modelCode, int chipPort);

// The chip ports of the group that holds chipPort, one bit each; 0 for a port no group holds.
uint32_t TrunkMemberMask(int modelCode, int chipPort);

// The chip ports of every group whose bit is set in enableBits, limited to the ports the switch has.
uint32_t TrunkedPorts(int modelCode, const PortLayout& layout, uint16_t enableBits);

struct TrunkMembers {
  bool ok = false;
  uint32_t mask = 0;
};

// The trunked chip ports of the connected switch, read from the chip; not ok (mask 0) when the
// connection check failed (it has told the user) or the enable register did not answer.
TrunkMembers ReadTrunkMembers(Connection& connection, RegisterEngine& engine, const PortLayout& layout);

}  // namespace velkor
