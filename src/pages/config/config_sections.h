#pragma once

#include <string>
#include <vector>

#include "pages/config/config_settings.h"
#include "transport/register_values.h"

namespace velkor {

// "on" or "off".
std::string OnOff(bool on);
// The settings key of list row row: "port.3", "port.G1" with prefix "port".
std::string PortKey(const std::string& prefix, const PortLayout& layout, size_t row);

// Each section of a configuration, from the registers its block holds, appended to settings.
void AddVlanSettings(std::vector<NamedSetting>& settings, const RegisterValues& values,
                     const ConfigOwner& owner);
void AddQosSettings(std::vector<NamedSetting>& settings, const RegisterValues& values,
                    const ConfigOwner& owner);
void AddPortSettings(std::vector<NamedSetting>& settings, const RegisterValues& values,
                     const ConfigOwner& owner);
void AddMirrorSettings(std::vector<NamedSetting>& settings, const RegisterValues& values,
                       const ConfigOwner& owner);
void AddGlobalSettings(std::vector<NamedSetting>& settings, const RegisterValues& values);

}  // namespace velkor
