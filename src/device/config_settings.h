#pragma once

#include <string>
#include <utility>
#include <vector>

#include "device/config_file.h"

namespace velkor {

// One stored setting: what a person calls it, and its value as text.
using NamedSetting = std::pair<std::string, std::string>;

// The settings a configuration image holds, in a fixed order: every register the chip loads at
// power-up by its meaning, and the descriptions. The key register and the
// placeholder word are no settings and are left out.
std::vector<NamedSetting> ConfigSettings(const ConfigFileImage& image);

// The settings whose values differ: name, value in a, value in b.
struct SettingDifference {
  std::string name, a, b;
};
std::vector<SettingDifference> DiffSettings(const ConfigFileImage& a, const ConfigFileImage& b);

}  // namespace velkor
