#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "device/outcome.h"
#include "pages/engineering/engineering_context.h"
#include "transport/mac.h"

namespace velkor {

// The six two-character fields of "MAC Address Configuration", octet 0 first.
using MacFields = std::array<std::string, 6>;
// The EEPROM bytes of the switch MAC address, first octet first; none where a byte did not answer.
using MacBytes = std::array<std::optional<uint8_t>, 6>;

// What a field shows for a byte that did not answer: no octet, and not one Set would write.
inline constexpr std::string_view kUnreadOctet = "??";

// The page "Set MAC Address": shows and changes the switch MAC address kept at EEPROM 0x012-0x017.
// Offered only on an 8324-family chip with an EEPROM and no microcontroller.
class MacAddressSetting {
 public:
  explicit MacAddressSetting(EngineeringContext& context) : c_(context) {}

  bool GroupShown() const;
  // The page came into view: none when the group is hidden, otherwise the six fields as read
  // ("%.2X", or kUnreadOctet for a byte that did not answer).
  std::optional<MacFields> TabSheet10Show();
  // "Set": each field read as a hexadecimal number, its low 8 bits the octet. A field still showing
  // kUnreadOctet is refused, as is a switch where the group is hidden; nothing is written then.
  Outcome Button22Click(const MacFields& fields);
  // Writes the six bytes, then reads them back and tells the user when they differ from mac.
  Outcome Set(const Mac& mac);
  // What the last show or set read back.
  const MacBytes& ReadBack() const { return read_; }

 private:
  void ReadMac();

  EngineeringContext& c_;
  MacBytes read_{};
};

// The fields as a page shows bytes: "%.2X" each, or kUnreadOctet.
MacFields MacFieldsOf(const MacBytes& bytes);

}  // namespace velkor
