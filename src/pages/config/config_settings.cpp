#include "pages/config/config_settings.h"

#include <algorithm>
#include <span>

#include "device/eeprom_layout.h"
#include "device/gbk_text.h"
#include "device/port_captions.h"
#include "pages/config/config_sections.h"

namespace velkor {

namespace {

int ModelCodeOf(const ConfigFileImage& image) { return image[kEepromModelByte] & kModelByteCodeBits; }

// Text up to its first 0x00, from GBK.
std::string Text(const ConfigFileImage& image, size_t at, size_t size) {
  const std::span<const uint8_t> bytes(image.data() + at, size);
  const auto end = std::find(bytes.begin(), bytes.end(), 0);
  return GbkToUtf8(bytes.first(static_cast<size_t>(end - bytes.begin())));
}

}  // namespace

void AddDescriptions(std::vector<NamedSetting>& settings, const ConfigFileImage& image,
                     const PortLayout& layout) {
  settings.push_back({"description", Text(image, kSwitchDescriptionAddress, kSwitchDescriptionAreaSize)});
  // Only Fast Ethernet ports have a description slot.
  const size_t slots = std::min(static_cast<size_t>(layout.FeCount()), kPortDescriptionSlots);
  for (size_t row = 0; row < slots; ++row)
    settings.push_back({PortKey("port", layout, row) + ".description",
                        Text(image, PortDescriptionAddress(row), kPortDescriptionSize)});
}

RegisterValues ImageFileRegisterValues(const ConfigFileImage& image) {
  ConfigImage block;
  std::copy_n(image.begin() + kConfigBlockStart, kConfigBlockSize, block.begin());
  return ImageRegisterValues(block);
}

std::string OnOff(bool on) { return on ? "on" : "off"; }

std::string PortKey(const std::string& prefix, const PortLayout& layout, size_t row) {
  std::string key = prefix;
  key += '.';
  key += PanelName(layout, row);
  return key;
}

ConfigOwner FileOwner(const NamedConfigFile& file) {
  const int modelCode = ModelCodeOf(file.image);
  return {modelCode, ChipPortLayout(ConfigChipModel(file.modelName, modelCode))};
}

std::vector<NamedSetting> ConfigSettings(const ConfigFileImage& image, const ConfigOwner& owner) {
  const RegisterValues values = ImageFileRegisterValues(image);
  std::vector<NamedSetting> settings;
  // About what a layout lists (a dozen per port, the 802.1Q groups and the switch-wide settings),
  // so that hundreds of settings are not moved over and over as the list grows.
  settings.reserve(12 * owner.layout.RowCount() + 100);
  AddVlanSettings(settings, values, owner);
  AddQosSettings(settings, values, owner);
  AddPortSettings(settings, values, owner);
  AddMirrorSettings(settings, values, owner);
  AddGlobalSettings(settings, values);
  AddDescriptions(settings, image, owner.layout);
  return settings;
}

std::vector<SettingDifference> DiffSettings(const std::vector<NamedSetting>& a,
                                            const std::vector<NamedSetting>& b) {
  const auto find = [](const std::vector<NamedSetting>& in,
                       const std::string& name) -> std::optional<SettingValue> {
    const auto it = std::find_if(in.begin(), in.end(), [&](const NamedSetting& s) { return s.name == name; });
    return it == in.end() ? std::nullopt : std::optional(it->value);
  };
  std::vector<SettingDifference> differences;
  for (const NamedSetting& s : a)
    if (const auto other = find(b, s.name); other != s.value) differences.push_back({s.name, s.value, other});
  for (const NamedSetting& s : b)
    if (!find(a, s.name)) differences.push_back({s.name, std::nullopt, s.value});
  return differences;
}

}  // namespace velkor
