#include "sim/factory_image.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

namespace velkor::sim {

namespace {
void Put(ConfigBlock& block, uint16_t reg, uint16_t word) {
  if (auto offset = BlockOffsetOf(reg)) PutBlockWord(block, *offset, word);
}

// What tells the three factory blocks apart: the port VLAN words 0x030C-0x0317, a run of every
// third VLAN word from first to last, and a few single words.
struct VlanDefaults {
  std::array<uint16_t, 12> portWords;
  uint16_t everyThirdFirst;
  uint16_t everyThirdLast;
  uint16_t everyThirdWord;
  std::vector<std::pair<uint16_t, uint16_t>> words;
};

const VlanDefaults kSixteenPort{
    {0x0001, 0x0203, 0x0405, 0x0607, 0x0809, 0x0A0B, 0x0C0D, 0x0E0F, 0x1110, 0x1312, 0x1514, 0x1716},
    0x031D,
    0x0344,
    0x8000,
    {{0x0347, 0xFFFF}, {0x034A, 0x8000}}};
const VlanDefaults kEightPort{
    {0x0100, 0x0302, 0x0504, 0x0706, 0x0908, 0x0B0A, 0x0D0C, 0x0F0E, 0x1110, 0x1312, 0x1514, 0x1716},
    0x031D,
    0x0344,
    0x8000,
    {{0x0347, 0x8000}, {0x034A, 0xFFFF}}};
const VlanDefaults kTwentyFourPort{
    {0x0001, 0x0203, 0x0405, 0x0607, 0x0809, 0x0A0B, 0x0C0D, 0x0E0F, 0x1011, 0x1213, 0x1415, 0x1617},
    0x031E,
    0x035D,
    0x0080,
    {{0x035F, 0xFFFF}, {0x0360, 0x00FF}, {0x0363, 0x0080}}};

// Everything the factory blocks share (port and QoS defaults, the key, the first VLAN words and
// the two gap bytes at 0x052), plus the block's own VLAN words.
ConfigBlock BuildBlock(const VlanDefaults& vlan) {
  ConfigBlock b{};
  Put(b, 0x0300, 0x0004);
  Put(b, 0x0307, 0x8200);
  Put(b, 0x0308, 0x0001);
  Put(b, 0x030B, 0x0001);
  Put(b, 0x0607, 0x001C);
  for (uint16_t reg = 0x060A; reg <= 0x0615; ++reg) Put(b, reg, 0xAFAF);
  Put(b, 0x0209, 0x5C3A);
  for (uint16_t reg = 0x0319; reg <= 0x031B; ++reg) Put(b, reg, 0xFFFF);
  Put(b, 0x0318, 0x7001);
  b[0x052 - kConfigBlockFirstByte] = 0xEC;
  b[0x053 - kConfigBlockFirstByte] = 0x06;
  for (size_t i = 0; i < vlan.portWords.size(); ++i)
    Put(b, static_cast<uint16_t>(0x030C + i), vlan.portWords[i]);
  for (uint32_t reg = vlan.everyThirdFirst; reg <= vlan.everyThirdLast; reg += 3)
    Put(b, static_cast<uint16_t>(reg), vlan.everyThirdWord);
  for (const auto& [reg, word] : vlan.words) Put(b, reg, word);
  return b;
}
}  // namespace

ConfigBlock DefaultConfigBlock(uint8_t modelCode) {
  switch (modelCode) {
    case 2:
    case 7:
      return BuildBlock(kEightPort);
    case 3:
      return BuildBlock(kTwentyFourPort);
    default:
      return BuildBlock(kSixteenPort);
  }
}

EepromImage FactoryEeprom(uint8_t modelCode, const Mac& mac) {
  EepromImage image{};
  std::copy(mac.begin(), mac.end(), image.begin() + kEepromMacAddress);
  image[kEepromModelByte] = modelCode;
  const ConfigBlock block = DefaultConfigBlock(modelCode);
  std::copy(block.begin(), block.end(), image.begin() + kConfigBlockFirstByte);
  std::memcpy(image.data() + kEepromPassword, "vemix", 5);
  return image;
}

}  // namespace velkor::sim
