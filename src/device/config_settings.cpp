#include "device/config_settings.h"

#include <algorithm>
#include <cstdio>
#include <span>

#include "device/gbk_text.h"
#include "transport/eeprom_blocks.h"
#include "transport/register_image.h"

namespace velkor {

namespace {
constexpr uint16_t kPlaceholder = 0xFFFF;

std::string Hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

// What the pages make of each row of the register image.
const char* MeaningOf(uint16_t reg) {
  if (reg == 0x0307) return "trunk enable";
  if (reg == 0x0308) return "IGMP snooping (bit 0)";
  if (reg == 0x030B) return "VLAN control";
  if (reg == 0x0400) return "QoS control";
  if (reg == 0x0401 || reg == 0x0402) return "high-priority ports";
  if (reg == 0x0607) return "global control";
  if (reg >= 0x060A && reg <= 0x0615) return "port advertisement";
  if (reg == 0x0608 || reg == 0x0609) return "port off";
  if (reg == 0x0219) return "mirror ports";
  if (reg == 0x021B || reg == 0x021C) return "receive-mirrored ports";
  if (reg == 0x021D || reg == 0x021E) return "transmit-mirrored ports";
  if (reg >= 0x020A && reg <= 0x0215) return "port bandwidth";
  if (reg >= 0x030C) return "VLAN";
  return "register";
}

// Text up to its first 0x00, from GBK.
std::string Text(const ConfigFileImage& image, size_t at, size_t size) {
  std::span<const uint8_t> bytes(image.data() + at, size);
  const auto end = std::find(bytes.begin(), bytes.end(), 0);
  return GbkToUtf8(bytes.first(static_cast<size_t>(end - bytes.begin())));
}
}  // namespace

std::vector<NamedSetting> ConfigSettings(const ConfigFileImage& image) {
  std::vector<NamedSetting> settings;
  ConfigImage block;
  std::copy_n(image.begin() + kConfigBlockStart, kConfigBlockSize, block.begin());
  ForEachImageRegister([&](size_t, uint16_t reg, size_t offset) {
    if (reg == kKeyRegister || reg == kPlaceholder) return;
    settings.emplace_back(std::string(MeaningOf(reg)) + " (" + Hex(reg, 4) + ")",
                          Hex(ImageWord(block, offset), 4));
  });
  settings.emplace_back("switch description", Text(image, kSwitchDescriptionAddress, 42));
  for (size_t p = 0; p < kPortDescriptionSlots; ++p)
    settings.emplace_back(
        "port " + std::to_string(p + 1) + " description",
        Text(image, kPortDescriptionAddress + kPortDescriptionSize * p, kPortDescriptionSize));
  return settings;
}

std::vector<SettingDifference> DiffSettings(const ConfigFileImage& a, const ConfigFileImage& b) {
  const auto left = ConfigSettings(a);
  const auto right = ConfigSettings(b);
  std::vector<SettingDifference> differences;
  for (size_t i = 0; i < left.size(); ++i)
    if (left[i].second != right[i].second)
      differences.push_back({left[i].first, left[i].second, right[i].second});
  return differences;
}

}  // namespace velkor
