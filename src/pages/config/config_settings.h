#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "device/config_file.h"
#include "device/port_layout.h"

namespace velkor {

// One stored setting: a stable English name ("vlan.mode", "port.3.rx") and its value, an English
// keyword, a number or the user's text.
using SettingValue = std::variant<std::string, int64_t>;
struct NamedSetting {
  std::string name;
  SettingValue value;
};

// Whose configuration an image is: the model code and the chip's ports decide what its registers
// mean.
struct ConfigOwner {
  int modelCode = 0;
  PortLayout layout;
};

// The owner a file describes: the model code in its image's model byte, the layout its name stands for.
ConfigOwner FileOwner(const NamedConfigFile& file);

// The settings an image holds, as the pages read them, in a fixed order: VLAN, QoS, port settings,
// trunk groups, mirroring, the global controls and the descriptions. The MAC address, the model
// byte and the password are no settings: an import keeps the switch's own. Only the
// table of the VLAN mode in force is listed, as only that page shows; registers the configuration
// block does not hold (loop detection, mirror ports from chip port 16 on) are left out.
std::vector<NamedSetting> ConfigSettings(const ConfigFileImage& image, const ConfigOwner& owner);

// A setting whose values differ; none where one side has no such setting.
struct SettingDifference {
  std::string name;
  std::optional<SettingValue> a, b;
};
// In the order of a, then the settings only b has.
std::vector<SettingDifference> DiffSettings(const std::vector<NamedSetting>& a,
                                            const std::vector<NamedSetting>& b);

}  // namespace velkor
