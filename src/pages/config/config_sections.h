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

// The registers the configuration block of a file's image holds.
RegisterValues ImageFileRegisterValues(const ConfigFileImage& image);

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
// The switch's description and each Fast Ethernet port's, from the image's text areas.
void AddDescriptions(std::vector<NamedSetting>& settings, const ConfigFileImage& image,
                     const PortLayout& layout);

}  // namespace velkor
