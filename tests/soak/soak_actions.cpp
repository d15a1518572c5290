#include "soak/soak_actions.h"

#include <cstdio>
#include <functional>

namespace velkor::soak {

namespace {
// Port 1 carries the management traffic: switched off, it would cut the switch off. Where the
// switch refuses to take it (management, mirroring), it is offered too.
constexpr int kFirstFreePort = 2;
constexpr int kPorts = 16;
const std::vector<std::string> kOnOff{"on", "off"};
// Mirroring is switched off more often than on: mirrored ports keep their trunk group off.
const std::vector<std::string> kMostlyOff{"on", "off", "off"};
const std::vector<std::string> kLimits{"none", "128k", "256k", "512k", "1m", "2m", "4m", "8m"};
}  // namespace

const std::string& ActionSource::Pick(const std::vector<std::string>& choices) {
  return choices[std::uniform_int_distribution<size_t>(0, choices.size() - 1)(rng_)];
}

int ActionSource::Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

std::string ActionSource::Port() { return std::to_string(Number(kFirstFreePort, kPorts)); }

std::string ActionSource::Ports() {
  const int first = Number(kFirstFreePort, kPorts);
  switch (Number(0, 2)) {
    case 0:
      return std::to_string(first);
    case 1:
      return std::to_string(first) + "-" + std::to_string(Number(first, kPorts));
    default:
      return std::to_string(first) + "," + Port();
  }
}

std::string ActionSource::Hex(int low, int high) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%X", Number(low, high));
  return text;
}

Action ActionSource::Next() {
  using Args = std::vector<std::string>;
  const std::string p = Port();
  const std::string anyPort = std::to_string(Number(1, kPorts));
  const std::string group = std::to_string(Number(2, 4));
  // One entry per action, each as likely as the others.
  const std::vector<std::function<Args()>> actions{
      [] { return Args{"adapters"}; },
      [] { return Args{"discover"}; },
      [] { return Args{"topology"}; },
      [] { return Args{"info"}; },
      [] { return Args{"chip"}; },
      [] { return Args{"vlan-raw"}; },
      [&] {
        return Args{"get", Hex(0x020A, 0x0211)};
      },
      // Bandwidth limits of chip ports 2-15: settings that take any value.
      [&] {
        return Args{"set", Hex(0x020B, 0x0211), Pick({"0x0", "0x42", "0x7777"})};
      },
      [&] {
        return Args{"phy-get", std::to_string(Number(0, 15)), Pick({"0", "1", "4"})};
      },
      [&] {
        return Args{"phy-set", std::to_string(Number(2, 15)), "4", Pick({"0x1E1", "0x61", "0x5E1"})};
      },
      [&] {
        return Args{"eeprom-get", Hex(0x200, 0x3F0), std::to_string(Number(1, 16))};
      },
      [&] {
        return Args{"eeprom-set", Hex(0x3C0, 0x3FD), Hex(0, 0xFF), Hex(0, 0xFF)};
      },
      [] {
        return Args{"eeprom-dump", kOwnFile, "--size", "512"};
      },
      [] {
        return Args{"eeprom-burn", kLastDumpArg, "--yes"};
      },
      [] {
        return Args{"recover-password", "--code", "m7k2x9p4w1", "--yes"};
      },
      [] { return Args{"ports"}; },
      [&] {
        return Args{"port-set", Ports(), "--rx", Pick(kLimits)};
      },
      [&] {
        return Args{"port-set", Ports(), "--tx", Pick(kLimits)};
      },
      [&] {
        return Args{"port-set", p, "--speed", Pick({"10half", "10full", "100half", "100full"})};
      },
      [&] { return Args{"port-set", p, "--flow", Pick(kOnOff), "--state", Pick(kOnOff)}; },
      [&] {
        return Args{"stats", Pick({"all", "2-5"})};
      },
      [&] {
        return Args{"stats-unit", Ports(), Pick({"rx", "drop"}),
                    Pick({"bytes", "frames", "crc", "collisions"})};
      },
      [&] {
        return Args{"stats-unit", p, "tx", Pick({"bytes", "frames", "collisions"})};
      },
      [&] {
        return Args{"port-describe", p, Pick({"uplink", "cam-" + p, "机房"})};
      },
      [&] {
        return Args{"describe", Pick({"rack 3", "机房 3", "lab"})};
      },
      [] { return Args{"save"}; },
      [] {
        return Args{"factory-reset", "--yes"};
      },
      [] { return Args{"soft-reset"}; },
      [&] {
        return Args{"vlan", "mode", Pick({"off", "port", "dot1q"}), "--yes"};
      },
      // Most VLAN actions need a mode: the groups and the mapping need 802.1Q.
      [] {
        return Args{"vlan", "mode", "dot1q", "--yes"};
      },
      [&] {
        return Args{"vlan", "drop-untagged", Pick(kOnOff)};
      },
      [&] {
        return Args{"vlan", "leaky", Pick({"unicast", "arp"}), Pick(kOnOff)};
      },
      [&] {
        return Args{"vlan", "tag", Ports(), Pick({"keep", "remove", "insert"})};
      },
      [&] {
        return Args{"vlan", "mgmt-vid", Pick({"1", "10", "4094"})};
      },
      [&] {
        return Args{"vlan", "allow", p, Pick({"none", Ports()})};
      },
      [&] {
        return Args{"vlan", "add-group", Ports()};
      },
      [] {
        return Args{"vlan", "clear-table", "--yes"};
      },
      [&] {
        return Args{"vlan", "group", group, "--vid", Pick({"10", "20", "30"}), "--ports", Ports()};
      },
      [&] {
        return Args{"vlan", "clear-group", group};
      },
      [&] {
        return Args{"vlan", "map", Ports(), Pick({"1", group})};
      },
      [&] {
        return Args{"qos", "--source", Pick({"port", "802.1p", "diffserv"}), "--ratio",
                    Pick({"4:1", "8:1", "16:1", "strict"})};
      },
      [&] {
        return Args{"qos-port", Ports(), Pick({"high", "low"})};
      },
      [&] { return Args{"mgmt-ports"}; },
      [&] {
        return Args{"mgmt-ports", anyPort, Pick(kOnOff)};
      },
      [&] {
        return Args{"password", "--new-password-file", kPasswordFilePrefix + Pick({"vemix", "pw2", "Ab3xyz"}),
                    "--yes"};
      },
      [] { return Args{"mirror"}; },
      [&] {
        return Args{"mirror-port", anyPort, Pick(kMostlyOff), "--yes"};
      },
      [&] {
        return Args{"mirror-rx", anyPort, Pick(kMostlyOff)};
      },
      [&] {
        return Args{"mirror-tx", Ports(), Pick(kMostlyOff)};
      },
      [&] {
        return Args{"global",     "--broadcast-control", Pick(kOnOff), "--multicast-control",
                    Pick(kOnOff), "--loop-detect",       Pick(kOnOff)};
      },
      [&] {
        return Args{"global", "--igmp-snooping", Pick(kOnOff), "--storm-filter", Pick(kOnOff)};
      },
      [] { return Args{"trunk"}; },
      [&] {
        return Args{"trunk", Pick({"enable", "disable"}), p, "--yes"};
      },
      [&] {
        return Args{"status", Pick({"all", "2-5"})};
      },
      [] {
        return Args{"export", kOwnFile};
      },
      [] {
        return Args{"import", kLastExportArg, "--yes"};
      },
      [] {
        return Args{"config", "show"};
      },
      [] {
        return Args{"config", "diff", kLastExportArg};
      },
      [&] {
        return Args{"set-mac", Pick({"00:E0:4C:16:00:01", "00:E0:4C:16:00:0A"}), "--yes"};
      },
  };
  return {actions[std::uniform_int_distribution<size_t>(0, actions.size() - 1)(rng_)]()};
}

}  // namespace velkor::soak
