#include "cli/command_help.h"

#include "cli/command.h"

namespace velkor::cli {

namespace {

constexpr CommandHelp kHelp[] = {
    {"adapters", "Lists the Ethernet adapters switches can be reached through.", "velkorctl adapters"},
    {"topology", "Draws the cascade tree of the switches that answer the hello, as an indented tree.",
     "velkorctl topology --json"},
    {"discover", "Sends a hello and lists the switches that answer, one row per switch.",
     "velkorctl discover --iface eth1"},
    {"info", "Shows the switch's model, firmware, MAC address and description.", "velkorctl info --json"},
    {"recover-password", "Restores the factory connection password with the switch's recovery code.",
     "velkorctl recover-password --code 123456 --yes"},
    {"get", "Reads one chip register.", "velkorctl get 0x0207"},
    {"set", "Writes one chip register and reads it back.", "velkorctl set 0x0210 0x0001"},
    {"phy-get", "Reads a register of a port's PHY.", "velkorctl phy-get 1 0"},
    {"phy-set", "Writes a register of a port's PHY and reads it back.", "velkorctl phy-set 1 0 0x3100"},
    {"eeprom-get", "Prints bytes of the configuration EEPROM as a hex dump.",
     "velkorctl eeprom-get 0x1A0 16"},
    {"eeprom-set", "Writes bytes of the configuration EEPROM and reads them back.",
     "velkorctl eeprom-set 0x1A0 0x41 0x42"},
    {"eeprom-dump", "Copies the configuration EEPROM to a file.", "velkorctl eeprom-dump switch.bin"},
    {"eeprom-burn", "Writes a raw EEPROM image file to the switch and verifies it.",
     "velkorctl eeprom-burn switch.bin --yes"},
    {"ports", "Shows every port's settings, one row per port.", "velkorctl ports"},
    {"port-set", "Changes the state, bandwidth limits, speed or flow control of ports.",
     "velkorctl port-set 1-4 --rx 2m --tx 2m"},
    {"port-describe", "Gives ports a short description kept in the switch.",
     "velkorctl port-describe 3 desk"},
    {"stats", "Shows the ports' counters, one row per port; --watch repeats.",
     "velkorctl stats all --watch 3x10"},
    {"stats-unit", "Chooses what a port's receive, transmit or drop counter counts.",
     "velkorctl stats-unit 1-8 rx frames"},
    {"status", "Shows every port's link, one row per port; --watch prints changes.",
     "velkorctl status --watch 2"},
    {"save", "Saves the running settings so they survive a power cycle.", "velkorctl save --json"},
    {"factory-reset", "Restores and saves the factory settings (asks first).",
     "velkorctl factory-reset --yes"},
    {"soft-reset", "Restarts the switch and waits until it answers again.", "velkorctl soft-reset"},
    {"describe", "Shows or sets the switch's description.", "velkorctl describe \"lab rack 2\""},
    {"export", "Writes the switch's configuration to a file.", "velkorctl export lab.cfg"},
    {"import", "Replaces the switch's configuration with a file's (asks first).",
     "velkorctl import lab.cfg --yes"},
    {"config", "Shows a configuration (a file's, or the switch's) or its differences from another.",
     "velkorctl config diff lab.cfg --live"},
    {"vlan", "Shows or changes the VLAN mode, groups, tagging and management VID.",
     "velkorctl vlan add-group 1-4,G1"},
    {"qos", "Shows or changes how priority is classified and the queue ratio.",
     "velkorctl qos --source 802.1p --ratio 8:1"},
    {"qos-port", "Gives ports high or low priority.", "velkorctl qos-port 1,2 high"},
    {"mgmt-ports", "Shows or changes which ports accept management frames.", "velkorctl mgmt-ports 5-8 off"},
    {"password", "Changes the switch's connection password.",
     "velkorctl password --new-password-file new.txt --yes"},
    {"mirror", "Shows the mirror port and the mirrored ports.", "velkorctl mirror --json"},
    {"mirror-port", "Makes ports the mirror port, or stops it.", "velkorctl mirror-port 8 on --yes"},
    {"mirror-rx", "Mirrors what ports receive, or stops.", "velkorctl mirror-rx 1-3 on"},
    {"mirror-tx", "Mirrors what ports send, or stops.", "velkorctl mirror-tx 1-3 on"},
    {"global", "Shows or changes the switch-wide settings.", "velkorctl global --loop-detect on"},
    {"chip",
     "Shows what the engineering page reads of the chip: family, model, panel, microcontroller, EEPROM, "
     "gigabit PHYs.",
     "velkorctl chip --json"},
    {"vlan-raw", "Shows the chip's VLAN registers as the engineering page lists them.", "velkorctl vlan-raw"},
    {"set-mac", "Writes a new MAC address into the switch's EEPROM (asks first).",
     "velkorctl set-mac 00:E0:4C:16:00:09 --yes"},
    {"trunk", "Shows the trunk groups, or enables or disables the one a port belongs to.",
     "velkorctl trunk enable 1 --yes"},
};

}  // namespace

const CommandHelp* HelpOf(std::string_view name) {
  for (const CommandHelp& help : kHelp)
    if (name == help.name) return &help;
  return nullptr;
}

void PrintCommonOptions(std::ostream& s) {
  s << "  --iface NAME            the adapter; may be left out when there is only one\n"
       "  --switch MAC            the switch; may be left out when only one answers\n"
       "  --password PASSWORD     the connection password (or VELKOR_PASSWORD)\n"
       "  --password-file FILE    the password from the file's first line\n"
       "  --yes                   answers the program's questions with yes\n"
       "  --json                  JSON on standard output, errors too\n"
       "  --help                  this help\n";
}

void PrintCommandHelp(std::ostream& s, const Command& command) {
  s << "usage: velkorctl " << command.synopsis << "\n";
  const CommandHelp* help = HelpOf(command.name);
  if (help) s << "\n" << help->description << "\n";
  s << "\noptions:\n";
  PrintCommonOptions(s);
  if (help) s << "\nexample:\n  " << help->example << "\n";
}

}  // namespace velkor::cli
