#include "cli/message_english.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <unordered_map>
#include <vector>

#include "device/message_table.h"

namespace velkor::cli {

namespace {
constexpr std::array<std::string_view, kMessageCount> kEnglish{{
    /* 0 */ "An error occurred while writing the VLAN settings. Reconnect to the switch and try again.",
    /* 1 */ "The VLAN ID you entered is not valid! Enter a whole number from 1 to 4094.",
    /* 2 */ "This VLAN group cannot be empty.",
    /* 3 */ "All ports of this port's trunk group will be mapped to the same VLAN group.",
    /* 4 */ "This VLAN ID is already used by another VLAN group.",
    /* 5 */ "All ports of this port's trunk group will be given the same egress rule.",
    /* 6 */ "First map all ports of the trunk group to the same VLAN group.",
    /* 7 */ "First give all ports of the trunk group the same egress rule.",
    /* 8 */ "All ports of a trunk group must be in the same VLAN. Row",
    /* 9 */ "of the VLAN list does not meet this requirement.",
    /* 10 */
    "No switch detected! Make sure the network cable is connected and the port you use has management "
    "enabled.",
    /* 11 */ "A member port of a trunk group cannot be a mirror port or a mirrored port.",
    /* 12 */
    "The member ports of the trunk group will be reset to the default settings, and their settings cannot "
    "be changed while the trunk is in use.",
    /* 13 */
    "Conflicting priority settings were read; the program will disconnect from the switch. Restore the "
    "switch's factory settings and try again.",
    /* 14 */ "Setting the VLAN failed.",
    /* 15 */
    "Once a port is set as the mirror port, it receives only the mirrored data, not the frames other ports "
    "send to it. Continue?",
    /* 16 */ "The same port cannot be both the mirror port and a mirrored port.",
    /* 17 */ "A member port of a trunk group cannot be set as the mirror port or a mirrored port.",
    /* 18 */ "The management port in use cannot be set as the mirror port or a mirrored port.",
    /* 19 */ "Are you sure you want to restore the factory settings?",
    /* 20 */ "The factory settings were restored.",
    /* 21 */ "Are you sure you want to save the settings?",
    /* 22 */ "The management port is in use, so management cannot be disabled.",
    /* 23 */ "Changing the VLAN function deletes the current VLAN settings. Continue?",
    /* 24 */
    "Once untagged frames are filtered, the output ports' \"insert VLAN tag\" option has no meaning. These "
    "options will be changed to \"leave frames unchanged\".",
    /* 25 */ "No network interface found. Make sure the computer's network adapter is installed correctly.",
    /* 26 */ "Unsupported network interface!",
    /* 27 */ "Connection lost! Check the connection between the PC and the switch.",
    /* 28 */
    "The switch failed during a critical operation, possibly because the network connection was "
    "interrupted. Try these remedies: 1. Power the switch off and on again. 2. Check the switch's network "
    "cable. 3. Run this program again and restore the switch's factory settings.",
    /* 29 */ "The program will disconnect from the switch!",
    /* 30 */ "Error reading the switch information! Check the connection between the PC and the switch.",
    /* 31 */ "The connection password cannot be empty.",
    /* 32 */ "The connection password you entered is wrong. Note that it is case-sensitive.",
    /* 33 */ "Are you sure you want to restore the factory password?",
    /* 34 */
    "An error occurred while restoring the switch's connection password. Check the connection between the "
    "PC and the switch.",
    /* 35 */ "The factory password was restored.",
    /* 36 */ "Are you sure you want to disconnect from the switch?",
    /* 37 */ "Save the switch settings?",
    /* 38 */ "Are you sure you want to change the switch's connection password?",
    /* 39 */ "The two passwords entered differ! Enter them again.",
    /* 40 */ "The password cannot be empty! Enter it again.",
    /* 41 */
    "An error occurred while changing the switch's connection password; the program will disconnect from "
    "the switch. Check the connection between the PC and the switch.",
    /* 42 */ "The connection password was changed! Use the new password the next time you connect.",
    /* 43 */ "At least one trunk group is enabled, so the whole VLAN list cannot be deleted.",
    /* 44 */ "Are you sure you want to delete the whole VLAN list?",
    /* 45 */ "The settings were saved.",
    /* 46 */ "The program is about to exit. Save the switch settings?",
    /* 47 */ "The factory password recovery code you entered is wrong.",
    /* 48 */ "The switch is busy; try again later.",
    /* 49 */ "Note that you have not selected any member port.",
    /* 50 */ "Are you sure you want to exit the program?",
    /* 51 */ "The configuration file was exported.",
    /* 52 */ "The configuration file was imported.",
    /* 53 */ "The current connection password is wrong; enter it again",
    /* 54 */ "Error",
    /* 55 */ "Information",
    /* 56 */ "Failure",
    /* 57 */ "Attention",
    /* 58 */ "Confirm",
    /* 59 */ "Up",
    /* 60 */ "Down",
    /* 61 */ "Enabled",
    /* 62 */ "Disabled",
    /* 63 */ "Yes",
    /* 64 */ "No",
    /* 65 */ "On",
    /* 66 */ "Off",
    /* 67 */ "No limit",
    /* 68 */ "Auto-negotiation",
    /* 69 */ "Bytes",
    /* 70 */ "Frames",
    /* 71 */ "Collision frames",
    /* 72 */ "Error frames",
    /* 73 */ "High priority",
    /* 74 */ "Low priority",
    /* 75 */ "Remove VLAN tag",
    /* 76 */ "Insert VLAN tag",
    /* 77 */ "Leave frames unchanged",
    /* 78 */ "Normal link",
    /* 79 */ "<Empty>",
    /* 80 */ "<No traffic with other ports>",
    /* 81 */ "Management software",
    /* 82 */ "Resume refreshing",
    /* 83 */ "Stop refreshing",
    /* 84 */ "Unknown",
    /* 85 */ "IP address",
    /* 86 */ "MAC address",
    /* 87 */ "Not connected",
    /* 88 */ "Add VLAN group",
    /* 89 */ "VLAN group member ports",
    /* 90 */ "Restore and save settings",
    /* 91 */ "Restore and save settings (these operations do not change the switch's connection password)",
    /* 92 */ "Saving settings... ",
    /* 93 */ "Restoring factory settings... ",
    /* 94 */ "Network card",
    /* 95 */ "The PC is connected to the switch through this port, so this port cannot be switched off.",
    /* 96 */ "Creating the file failed",
    /* 97 */ "Opening the file failed",
    /* 98 */ "The imported configuration file is wrong",
    /* 99 */ "Importing a configuration file replaces all of the switch's settings. Continue?",
}};

// Message numbers, longest text first, so a message that contains a shorter one is matched whole.
std::vector<size_t> LongestFirst() {
  std::vector<size_t> order;
  for (size_t n = 0; n < kMessageCount; ++n) order.push_back(n);
  std::stable_sort(order.begin(), order.end(),
                   [](size_t a, size_t b) { return Message(a).size() > Message(b).size(); });
  return order;
}
}  // namespace

std::string_view MessageEnglish(size_t number) {
  return number < kEnglish.size() ? kEnglish[number] : std::string_view{};
}

namespace {
// Values the command line also takes are keyed by the word it takes.
struct InputWord {
  MessageId id;
  const char* word;
};
constexpr InputWord kInputWords[] = {{MessageId::kNoLimit, "none"},
                                     {MessageId::kRemoveVlanTag, "remove"},
                                     {MessageId::kInsertVlanTag, "insert"},
                                     {MessageId::kLeaveFrameUnchanged, "keep"}};
}  // namespace

std::optional<std::string> MessageKeyword(std::string_view utf8) {
  // Every value printed as JSON is looked up: each text leads to the first message that reads so.
  static const std::unordered_map<std::string_view, size_t> numbers = [] {
    std::unordered_map<std::string_view, size_t> first;
    for (size_t n = 0; n < kMessageCount; ++n) first.emplace(Message(n), n);
    return first;
  }();
  const auto found = numbers.find(utf8);
  if (found == numbers.end()) return std::nullopt;
  const size_t n = found->second;
  for (const InputWord& input : kInputWords)
    if (static_cast<size_t>(input.id) == n) return input.word;
  std::string keyword;
  for (char c : kEnglish[n]) {
    if (c == ' ' || c == '-')
      keyword += '_';
    else if (c != '<' && c != '>')
      keyword += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return keyword;
}

std::string WithEnglishMessages(std::string_view utf8) {
  static const std::vector<size_t> order = LongestFirst();
  std::string text(utf8);
  for (size_t n : order) {
    const std::string_view message = Message(n);
    const std::string replacement = "[" + std::to_string(n) + "] " + std::string(kEnglish[n]);
    for (size_t at = text.find(message); at != std::string::npos;
         at = text.find(message, at + replacement.size()))
      text.replace(at, message.size(), replacement);
  }
  return text;
}

}  // namespace velkor::cli
