#include "sim/config_block.h"

namespace velkor::sim {

namespace {
// One run of consecutive registers stored from an EEPROM address on.
struct LoadRun {
  uint16_t eepromAddress;
  uint16_t firstReg;
  uint16_t count;
};

constexpr std::array<LoadRun, 14> kLoadList{{
    {0x022, 0x0300, 1},
    {0x024, 0x0307, 2},
    {0x028, 0x030B, 1},
    {0x02E, 0x0400, 3},
    {0x038, 0x0607, 1},
    {0x03A, 0x060A, 12},
    {0x060, 0xFFFF, 1},
    {0x068, 0x0608, 2},
    {0x070, 0x0209, 1},
    {0x072, 0x0219, 1},
    {0x076, 0x021B, 2},
    {0x07A, 0x021D, 2},
    {0x080, 0x020A, 12},
    {0x098, 0x030C, 115},
}};
}  // namespace

void ForEachBlockRegister(const std::function<void(uint16_t reg, size_t offset)>& visit) {
  for (const LoadRun& run : kLoadList)
    for (uint16_t i = 0; i < run.count; ++i)
      visit(static_cast<uint16_t>(run.firstReg + i), run.eepromAddress - kConfigBlockFirstByte + 2u * i);
}

std::optional<size_t> BlockOffsetOf(uint16_t reg) {
  std::optional<size_t> found;
  ForEachBlockRegister([&](uint16_t r, size_t offset) {
    if (r == reg && !found) found = offset;
  });
  return found;
}

uint16_t BlockWord(const ConfigBlock& block, size_t offset) {
  return static_cast<uint16_t>(block[offset] | block[offset + 1] << 8);
}

void PutBlockWord(ConfigBlock& block, size_t offset, uint16_t word) {
  block[offset] = static_cast<uint8_t>(word);
  block[offset + 1] = static_cast<uint8_t>(word >> 8);
}

}  // namespace velkor::sim
