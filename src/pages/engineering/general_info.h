#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "device/identification.h"

namespace velkor {

// The seven fields of "General Information", in the page's order.
inline constexpr size_t kGeneralInfoFields = 7;
inline constexpr std::array<const char*, kGeneralInfoFields> kGeneralInfoLabels{
    "Chip:", "Model:", "Panel:", "8051 Existed:", "EEPROM Existed:", "GigaPhy1 Status:", "GigaPhy2 Status:"};
using GeneralInfoTexts = std::array<std::string, kGeneralInfoFields>;

// The page "General Information": what identification learned of the selected switch. It reads
// nothing from the switch. A value without a text leaves its field as it was, so the fields keep
// what an earlier switch showed until a value with a text replaces it.
class GeneralInfo {
 public:
  explicit GeneralInfo(const SwitchIdentifier& identifier) : identifier_(identifier) {}

  // The page came into view; the hidden "Refresh" (Button10Click) runs the same fill.
  void GeneralInfoPageShow();
  const GeneralInfoTexts& Texts() const { return texts_; }

 private:
  const SwitchIdentifier& identifier_;
  GeneralInfoTexts texts_;
};

}  // namespace velkor
