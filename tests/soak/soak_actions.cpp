#include "soak/soak_actions.h"

namespace velkor::soak {

namespace {
// Port 1 carries the management traffic: switched off, it would cut the switch off.
constexpr int kFirstFreePort = 2;
constexpr int kPorts = 16;
}  // namespace

const std::string& ActionSource::Pick(const std::vector<std::string>& choices) {
  return choices[std::uniform_int_distribution<size_t>(0, choices.size() - 1)(rng_)];
}

std::string ActionSource::Port() {
  return std::to_string(std::uniform_int_distribution<int>(kFirstFreePort, kPorts)(rng_));
}

Action ActionSource::Next() {
  static const std::vector<std::string> limits{"none", "128k", "256k", "512k", "1m", "2m", "4m", "8m"};
  static const std::vector<std::string> onOff{"on", "off"};
  const std::string p = Port();
  switch (std::uniform_int_distribution<int>(0, 20)(rng_)) {
    case 0:
      return {{"ports"}};
    case 1:
      return {{"port-set", p, "--rx", Pick(limits)}};
    case 2:
      return {{"port-set", p, "--tx", Pick(limits)}};
    case 3:
      return {{"port-set", p, "--speed", Pick({"10half", "10full", "100half", "100full"})}};
    case 4:
      return {{"port-set", p, "--flow", Pick(onOff), "--state", Pick(onOff)}};
    case 5:
      return {{"stats"}};
    case 6:
      return {{"stats-unit", p, Pick({"rx", "drop"}), Pick({"bytes", "frames", "crc", "collisions"})}};
    case 7:
      return {{"port-describe", p, Pick({"uplink", "cam-" + p, "机房"})}};
    case 8:
      return {{"describe", Pick({"rack 3", "机房 3", "lab"})}};
    case 9:
      return {{"save"}};
    case 10:
      return {{"vlan", "mode", Pick({"off", "port", "dot1q"}), "--yes"}};
    case 11:
      return {{"vlan", "tag", p, Pick({"keep", "remove", "insert"})}};
    case 12:
      return {{"qos", "--source", Pick({"port", "802.1p", "diffserv"}), "--ratio",
               Pick({"4:1", "8:1", "strict"})}};
    case 13:
      return {{"qos-port", p, Pick({"high", "low"})}};
    case 14:
      return {{"mirror-rx", p, Pick(onOff)}};
    case 15:
      return {{"trunk"}};
    case 16:
      return {{"export", kFileArg}};
    case 17:
      return {{"import", kLastExportArg, "--yes"}};
    case 18:
      return {{"config", "show"}};
    case 19:
      return {{"status"}};
    default:
      return {{"global", "--igmp-snooping", Pick(onOff), "--storm-filter", Pick(onOff)}};
  }
}

}  // namespace velkor::soak
