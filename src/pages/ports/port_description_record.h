#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "transport/eeprom_blocks.h"

namespace velkor {

using PortDescriptionRecord = std::array<uint8_t, kPortDescriptionSize>;

// The EEPROM record of a description: its GBK bytes padded with zeros; none when the text has a
// character without a GBK form or takes more than 8 GBK bytes.
std::optional<PortDescriptionRecord> MakePortDescriptionRecord(std::string_view utf8);

// Whether utf8 fits a port description.
bool FitsPortDescription(std::string_view utf8);

}  // namespace velkor
