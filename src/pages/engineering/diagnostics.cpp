#include "pages/engineering/diagnostics.h"

#include <cstdio>

#include "pages/engineering/c_number.h"

namespace velkor {

namespace {

uint32_t Number(const std::string& field) { return ParseCNumber(field, 0); }

std::string Shown(uint32_t value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%.*X", digits, value);
  return text;
}

// The value as shown after a get or a set, or the sign that the switch did not take part.
template <class T>
std::string ShownOrNoAnswer(const std::optional<T>& value, int digits) {
  return value ? Shown(*value, digits) : std::string(kNoAnswerText);
}

}  // namespace

bool Diagnostics::EepromGroupShown() const {
  return identifier_.ChipFamily() != kChipFamily8326 && identifier_.EepromPresent() != 0 &&
         identifier_.McuPresent() == 0;
}

void Diagnostics::Button11Click(DiagnosticsFields& f) {
  const uint32_t address = Number(f.macAddress);
  const RegisterRead r = access_.Engine().ReadRegister(static_cast<uint16_t>(address));
  f.macAddress = Shown(address, 4);
  f.macValue = ShownOrNoAnswer(r.answered ? std::optional<uint32_t>(r.value) : std::nullopt, 8);
}

// A set is never answered; the fields show the numbers sent.
void Diagnostics::Button12Click(DiagnosticsFields& f) {
  const uint32_t address = Number(f.macAddress);
  const uint32_t value = Number(f.macValue);
  access_.Engine().WriteRegister(static_cast<uint16_t>(address), value);
  f.macAddress = Shown(address, 4);
  f.macValue = Shown(value, 8);
}

void Diagnostics::Button13Click(DiagnosticsFields& f) {
  const uint32_t reg = Number(f.phyAddress);
  const auto value =
      access_.ReadPhyRegister(static_cast<uint8_t>(Number(f.phyId)), static_cast<uint8_t>(reg));
  f.phyAddress = Shown(reg, 4);
  f.phyValue = ShownOrNoAnswer(value, 4);
}

// The PHY and EEPROM sets wait for the busy bit: one that never clears means the write did not
// happen, and the value field says so instead of showing the number as if it were written.
void Diagnostics::Button14Click(DiagnosticsFields& f) {
  const uint32_t reg = Number(f.phyAddress);
  const uint32_t value = Number(f.phyValue);
  const bool written = access_.WritePhyRegister(static_cast<uint8_t>(Number(f.phyId)),
                                                static_cast<uint8_t>(reg), static_cast<uint16_t>(value));
  f.phyAddress = Shown(reg, 4);
  f.phyValue = written ? Shown(value, 4) : std::string(kNoAnswerText);
}

void Diagnostics::Button15Click(DiagnosticsFields& f) {
  const uint32_t address = Number(f.eepromAddress);
  const auto value = access_.ReadEepromByte(static_cast<uint16_t>(address));
  f.eepromAddress = Shown(address, 4);
  f.eepromValue = ShownOrNoAnswer(value, 2);
}

void Diagnostics::Button16Click(DiagnosticsFields& f) {
  const uint32_t address = Number(f.eepromAddress);
  const uint32_t value = Number(f.eepromValue);
  const bool written = access_.WriteEepromByte(static_cast<uint16_t>(address), static_cast<uint8_t>(value));
  f.eepromAddress = Shown(address, 4);
  f.eepromValue = written ? Shown(value, 2) : std::string(kNoAnswerText);
}

}  // namespace velkor
