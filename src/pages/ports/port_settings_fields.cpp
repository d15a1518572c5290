#include "pages/ports/port_settings_fields.h"

#include "device/message_table.h"
#include "device/model.h"
#include "pages/ports/trunk_groups.h"

namespace velkor {

namespace {

constexpr const char* kBandwidthTexts[8] = {"无限制", "128 Kbps", "256 Kbps", "512 Kbps",
                                            "1 Mbps", "2 Mbps",   "4 Mbps",   "8 Mbps"};

struct Mode {
  uint8_t bit;
  const char* text;
  bool fullDuplex;
};
// Fastest first: the list shows the fastest mode advertised.
constexpr Mode kModes[] = {
    {0x10, kFullGigabitText, true}, {0x08, "100M Full", true}, {0x04, "100M Half", false},
    {0x02, "10M Full", true},       {0x01, "10M Half", false},
};
constexpr uint8_t kPauseBit = 0x20;

const Mode* FastestMode(uint8_t advertisement) {
  for (const Mode& mode : kModes)
    if (advertisement & mode.bit) return &mode;
  return nullptr;
}

std::optional<uint32_t> PortBits(const RegisterValues& values, PortField field, int chipPort, uint32_t mask) {
  const auto value = values(FieldRegister(field, chipPort));
  if (!value) return std::nullopt;
  return (*value >> FieldShift(field, chipPort)) & mask;
}

}  // namespace

uint16_t FieldRegister(PortField field, int chipPort) {
  switch (field) {
    case PortField::kPortOff:
      return chipPort > 15 ? 0x0609 : 0x0608;
    case PortField::kBandwidth:
      return static_cast<uint16_t>(0x020A + chipPort / 2);
    case PortField::kAdvertisement:
      return static_cast<uint16_t>(0x060A + chipPort / 2);
  }
  return 0;
}

int FieldShift(PortField field, int chipPort) {
  return field == PortField::kPortOff ? (chipPort & 15) : 8 * (chipPort & 1);
}

PortRegisters DecodePort(const RegisterValues& values, int chipPort) {
  PortRegisters regs;
  if (chipPort < 0) return regs;
  if (const auto off = PortBits(values, PortField::kPortOff, chipPort, 0x01)) regs.off = *off != 0;
  if (const auto b = PortBits(values, PortField::kBandwidth, chipPort, 0xFF))
    regs.bandwidth = static_cast<uint8_t>(*b);
  if (const auto a = PortBits(values, PortField::kAdvertisement, chipPort, 0xFF))
    regs.advertisement = static_cast<uint8_t>(*a);
  return regs;
}

std::string BandwidthText(uint8_t code) { return kBandwidthTexts[code & 7]; }

std::string SwitchText(std::optional<bool> off) {
  if (!off) return kUnknownText;
  return std::string(Message(*off ? MessageId::kOff : MessageId::kOn));
}

std::string RxText(std::optional<uint8_t> bandwidth) {
  return bandwidth ? BandwidthText(*bandwidth & 0x07) : kUnknownText;
}

std::string TxText(std::optional<uint8_t> bandwidth) {
  return bandwidth ? BandwidthText((*bandwidth >> 4) & 0x07) : kUnknownText;
}

std::string SpeedText(std::optional<uint8_t> advertisement) {
  if (!advertisement) return kUnknownText;
  const Mode* mode = FastestMode(*advertisement);
  return mode ? mode->text : kNoneText;
}

std::string FlowText(std::optional<uint8_t> advertisement) {
  if (!advertisement) return kUnknownText;
  const Mode* mode = FastestMode(*advertisement);
  if (!mode || !mode->fullDuplex) return kNoneText;
  return std::string(Message((*advertisement & kPauseBit) ? MessageId::kEnabled : MessageId::kDisabled));
}

std::string TrunkText(int modelCode, int chipPort, bool gigabitRow, std::optional<uint16_t> trunkEnable) {
  const int group = TrunkGroupOf(modelCode, chipPort);
  if (group < 0 || (gigabitRow && modelCode != kModelG26A)) return kNoneText;
  if (!trunkEnable) return kUnknownText;
  if (*trunkEnable & (1u << group)) return "Trunk " + std::to_string(group);
  return std::string(Message(MessageId::kDisabled));
}

std::optional<bool> FullDuplex(const std::string& speed) {
  for (const Mode& mode : kModes)
    if (speed == mode.text) return mode.fullDuplex;
  return std::nullopt;
}

}  // namespace velkor
