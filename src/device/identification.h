#pragma once

#include <cstddef>
#include <cstdint>

#include "device/port_layout.h"
#include "transport/discovery.h"
#include "transport/link.h"
#include "transport/register_engine.h"
#include "transport/switch_access.h"

namespace velkor {

// gigaPhy1Status / gigaPhy2Status values.
inline constexpr uint8_t kGigaPhyNotProbed = 0;
inline constexpr uint8_t kGigaPhyAbsent = 1;   // the PHY read back 0xFFFF
inline constexpr uint8_t kGigaPhy1000 = 2;     // register 0x0102 bit 3 set
inline constexpr uint8_t kGigaPhyNot1000 = 3;  // register 0x0102 bit 3 clear

// Learns what chip a switch has and how its ports map onto chip ports. The chip fields live in the
// switch's discovery entry, so they follow the switch across rediscoveries; the port layout stays
// that of the switch last identified.
class SwitchIdentifier {
 public:
  SwitchIdentifier(Discovery& discovery, Link& link, RegisterEngine& engine, SwitchAccess& access)
      : discovery_(discovery), link_(link), engine_(engine), access_(access) {}

  // Selects switch index and identifies it: 1, or -1 when the index is beyond the switch table,
  // the register filter cannot be installed, the chip did not answer, or it has no EEPROM.
  int IdentifySwitch(size_t index);

  const PortLayout& Layout() const { return layout_; }

  // The selected switch's identification; 0 while it has none.
  uint8_t ChipFamily() const { return Selected().chipFamily; }
  uint8_t ChipModel() const { return Selected().chipModel; }
  uint8_t PanelType() const { return Selected().panelType; }
  uint8_t McuPresent() const { return Selected().mcuPresent; }
  uint8_t EepromPresent() const { return Selected().eepromPresent; }
  uint8_t GigaPhy1Status() const { return Selected().gigaPhy1Status; }
  uint8_t GigaPhy2Status() const { return Selected().gigaPhy2Status; }

 private:
  const SwitchIdentification& Selected() const;
  // The status of one gigabit PHY; not probed when a read got no answer.
  uint8_t ProbeGigaPhy(uint8_t phy);

  Discovery& discovery_;
  Link& link_;
  RegisterEngine& engine_;
  SwitchAccess& access_;
  PortLayout layout_;
};

}  // namespace velkor
