#pragma once

#include <string>
#include <string_view>

#include "device/identification.h"
#include "transport/switch_access.h"

namespace velkor {

// The seven fields of "MAC/PHY/EEPROM Diagnostics" as typed and as shown.
struct DiagnosticsFields {
  std::string macAddress, macValue;
  std::string phyId, phyAddress, phyValue;
  std::string eepromAddress, eepromValue;
};

// What a value field shows when the switch did not answer: a lost reply is no value, not 0.
inline constexpr std::string_view kNoAnswerText = "No Answer";

// The page "MAC/PHY/EEPROM Diagnostics": raw access to any chip register, any PHY register and any
// EEPROM byte. Numbers are typed in C notation and passed on without range checks; the access
// operations keep what fits (16-bit registers, 5-bit PHY fields, 11-bit EEPROM addresses). Nothing
// is read back after a set.
class Diagnostics {
 public:
  Diagnostics(SwitchAccess& access, const SwitchIdentifier& identifier)
      : access_(access), identifier_(identifier) {}

  // DiagnosticsPageShow: the "EEPROM Access" group is offered unless the chip is of the 8326 family,
  // has no EEPROM or has a microcontroller.
  bool EepromGroupShown() const;

  void Button11Click(DiagnosticsFields& f);  // MAC Get
  void Button12Click(DiagnosticsFields& f);  // MAC Set
  void Button13Click(DiagnosticsFields& f);  // PHY Get
  void Button14Click(DiagnosticsFields& f);  // PHY Set
  void Button15Click(DiagnosticsFields& f);  // EEPROM Get
  void Button16Click(DiagnosticsFields& f);  // EEPROM Set

 private:
  SwitchAccess& access_;
  const SwitchIdentifier& identifier_;
};

}  // namespace velkor
