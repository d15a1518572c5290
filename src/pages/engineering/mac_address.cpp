#include "pages/engineering/mac_address.h"

#include <cstdio>

#include "pages/engineering/c_number.h"

namespace velkor {

namespace {
constexpr uint16_t kMacAddress = 0x012;
}  // namespace

MacFields MacFieldsOf(const MacBytes& bytes) {
  MacFields fields;
  for (size_t k = 0; k < bytes.size(); ++k) {
    char text[4] = "";
    if (bytes[k]) std::snprintf(text, sizeof text, "%.2X", *bytes[k]);
    fields[k] = bytes[k] ? text : std::string(kUnreadOctet);
  }
  return fields;
}

bool MacAddressSetting::GroupShown() const {
  const SwitchIdentifier& id = c_.identifier;
  return id.EepromPresent() != 0 && id.ChipFamily() == kChipFamily8324 && id.McuPresent() == 0;
}

void MacAddressSetting::ReadMac() {
  for (size_t k = 0; k < read_.size(); ++k)
    read_[k] = c_.transport.access.ReadEepromByte(static_cast<uint16_t>(kMacAddress + k));
}

std::optional<MacFields> MacAddressSetting::TabSheet10Show() {
  if (!GroupShown()) return std::nullopt;
  ReadMac();
  return MacFieldsOf(read_);
}

Outcome MacAddressSetting::Button22Click(const MacFields& fields) {
  Mac mac;
  for (size_t k = 0; k < fields.size(); ++k) {
    // A byte that was never read must not go back as 00.
    if (fields[k] == kUnreadOctet) {
      c_.prompter.Plain("MAC Address Byte " + std::to_string(k + 1) + " Was Not Read");
      return Outcome::kRefused;
    }
    mac[k] = static_cast<uint8_t>(ParseCNumber(fields[k], 16));
  }
  return Set(mac);
}

Outcome MacAddressSetting::Set(const Mac& mac) {
  if (!GroupShown()) {
    c_.prompter.Plain("MAC Address Cannot Be Set On This Switch");
    return Outcome::kRefused;
  }
  bool written = true;
  for (size_t k = 0; k < mac.size() && written; ++k)
    written = c_.transport.access.WriteEepromByte(static_cast<uint16_t>(kMacAddress + k), mac[k]);
  ReadMac();
  bool answered = written, same = true;
  for (size_t k = 0; k < mac.size(); ++k) {
    answered = answered && read_[k].has_value();
    same = same && read_[k] == mac[k];
  }
  if (answered && same) return Outcome::kDone;
  std::string shown;
  for (const std::string& field : MacFieldsOf(read_)) shown += (shown.empty() ? "" : "-") + field;
  c_.prompter.Plain("MAC Address Reads Back As " + shown);
  return answered ? Outcome::kNotVerified : Outcome::kNoAnswer;
}

}  // namespace velkor
