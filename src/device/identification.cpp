#include "device/identification.h"

namespace velkor {

namespace {

constexpr uint16_t kChipIdRegister = 0x0208;
constexpr uint16_t kChipStatusRegister = 0x0100;
constexpr uint32_t kNoEepromBit = 0x0001;
constexpr uint16_t kGigaModeRegister = 0x0102;
constexpr uint32_t kGiga1000Bit = 0x0008;
constexpr uint8_t kPhyControlRegister = 0;
constexpr uint16_t kNoPhy = 0xFFFF;

}  // namespace

const SwitchIdentification& SwitchIdentifier::Selected() const {
  static const SwitchIdentification kNone;
  const DiscoveredSwitch* s = discovery_.SelectedSwitch();
  return s ? s->identification : kNone;
}

uint8_t SwitchIdentifier::ProbeGigaPhy(uint8_t phy) {
  const auto control = access_.ReadPhyRegister(phy, kPhyControlRegister);
  if (!control) return kGigaPhyNotProbed;
  if (*control == kNoPhy) return kGigaPhyAbsent;
  const RegisterRead mode = engine_.ReadRegister(kGigaModeRegister);
  if (!mode.answered) return kGigaPhyNotProbed;
  return (mode.value & kGiga1000Bit) ? kGigaPhy1000 : kGigaPhyNot1000;
}

int SwitchIdentifier::IdentifySwitch(size_t index) {
  DiscoveredSwitch* target = discovery_.Switch(index);
  if (!target) return -1;
  discovery_.Select(index);
  if (link_.SetRegisterFilter(target->mac) != 0) return -1;

  // A lost reply reads as 0, which would pass for an 8326 with an EEPROM: only answers identify.
  const RegisterRead chipId = engine_.ReadRegister(kChipIdRegister);
  if (!chipId.answered) return -1;
  SwitchIdentification& id = target->identification;
  const auto variant = static_cast<uint8_t>(chipId.value & 0xFF);
  const PortLayout layout = ChipPortLayout(variant);
  const bool is8324 = layout.chipFamily == kChipFamily8324;
  id.chipFamily = is8324 ? kChipFamily8324 : kChipFamily8326;
  id.chipModel = is8324 ? variant : 0;
  id.mcuPresent = 0;

  const RegisterRead status = engine_.ReadRegister(kChipStatusRegister);
  if (!status.answered) return -1;
  id.eepromPresent = (status.value & kNoEepromBit) == 0;
  if (!id.eepromPresent) return -1;

  id.panelType = kIdentifiedPanelType;
  id.gigaPhy1Status = kGigaPhyNotProbed;
  id.gigaPhy2Status = kGigaPhyNotProbed;
  layout_ = layout;
  if (is8324) {
    if (variant == 2 || variant == 7) {
      id.gigaPhy1Status = ProbeGigaPhy(22);
      id.gigaPhy2Status = ProbeGigaPhy(23);
    }
  } else {
    id.gigaPhy1Status = ProbeGigaPhy(2);
    id.gigaPhy2Status = ProbeGigaPhy(3);
  }
  return 1;
}

}  // namespace velkor
