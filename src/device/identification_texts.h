#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace velkor {

// The texts of the General Information table. None for a value without a text: the page then
// leaves that field as it was.
std::optional<std::string_view> ChipFamilyText(uint8_t chipFamily);
std::optional<std::string_view> ChipModelText(uint8_t chipFamily, uint8_t chipModel);
std::optional<std::string_view> PanelTypeText(uint8_t panelType);
// mcuPresent and eepromPresent.
std::string_view PresenceText(uint8_t present);
std::optional<std::string_view> GigaPhyStatusText(uint8_t status);

}  // namespace velkor
