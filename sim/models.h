#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace velkor::sim {

// A product the emulator can stand in for: its model code (EEPROM byte 0x01C, hello byte 30),
// the chip id its register 0x0208 reports, and whether a microcontroller keeps its configuration.
struct ModelProfile {
  uint8_t code;
  std::string_view name;  // empty for a code without a product name
  uint16_t chipId;
  bool microcontroller;
};

const ModelProfile* FindModel(uint8_t code);
// Accepts a product name ("QX-F8A", any case) or a model code ("2").
const ModelProfile* FindModel(std::string_view nameOrCode);
const std::vector<ModelProfile>& AllModels();

// The chip's ports as wired on the board: the PHY address behind each Fast Ethernet and gigabit
// port. The chip port number equals the PHY address.
struct ChipPorts {
  std::vector<uint8_t> fastEthernet;
  std::vector<uint8_t> gigabit;
};

// Chips whose 0x0208 low byte is 1, 2, 3 or 7 are the small family (16, 8, 24 and 8 FE ports);
// every other id is the large family with 24 FE and 2 gigabit ports.
ChipPorts PortsOfChip(uint16_t chipId);

}  // namespace velkor::sim
