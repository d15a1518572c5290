#include "sim/factory_image.h"

#include <gtest/gtest.h>

#include <vector>

#include "transport/register_image.h"

namespace velkor::sim {
namespace {

constexpr Mac kMac{0x02, 0x10, 0x20, 0x30, 0x40, 0x50};

uint16_t WordAt(const EepromImage& e, uint16_t addr) {
  return static_cast<uint16_t>(e[addr] | e[addr + 1] << 8);
}

TEST(FactoryImage, EveryModelCarriesMacModelPasswordAndEmptyDescriptions) {
  for (uint8_t model = 1; model <= 7; ++model) {
    const EepromImage e = FactoryEeprom(model, kMac);
    EXPECT_EQ((std::vector<uint8_t>(e.begin() + 0x012, e.begin() + 0x018)),
              std::vector<uint8_t>(kMac.begin(), kMac.end()));
    EXPECT_EQ(e[0x01C], model);
    EXPECT_EQ((std::vector<uint8_t>(e.begin() + 0x1A2, e.begin() + 0x1A8)),
              (std::vector<uint8_t>{'v', 'e', 'm', 'i', 'x', 0}));
    for (uint16_t a = 0x200; a <= 0x2E9; ++a) ASSERT_EQ(e[a], 0) << int{model} << " " << a;
    EXPECT_EQ(WordAt(e, 0x070), 0x5C3A) << "the key's word";
    EXPECT_EQ(WordAt(e, 0x03A), 0xAFAF);
    EXPECT_EQ(WordAt(e, 0x038), 0x001C);
    EXPECT_EQ(WordAt(e, 0x022), 0x0004);
    EXPECT_EQ(WordAt(e, 0x024), 0x8200);
    EXPECT_EQ(WordAt(e, 0x0B0), 0x7001) << "register 0x0318";
    EXPECT_EQ(e[0x052], 0xEC);
    EXPECT_EQ(e[0x053], 0x06);
  }
}

// Addresses below are worked out by hand: register 0x030C + n sits at EEPROM 0x098 + 2n.
TEST(FactoryImage, VlanWordsDifferPerBlock) {
  const EepromImage f16 = FactoryEeprom(1, kMac);
  const EepromImage f8 = FactoryEeprom(2, kMac);
  const EepromImage f24 = FactoryEeprom(3, kMac);
  EXPECT_EQ(WordAt(f16, 0x098), 0x0001);
  EXPECT_EQ(WordAt(f8, 0x098), 0x0100);
  EXPECT_EQ(WordAt(f24, 0x0A8), 0x1011) << "register 0x0314";
  EXPECT_EQ(WordAt(f16, 0x0A8), 0x1110);

  EXPECT_EQ(WordAt(f16, 0x0BA), 0x8000) << "register 0x031D";
  EXPECT_EQ(WordAt(f16, 0x108), 0x8000) << "register 0x0344";
  EXPECT_EQ(WordAt(f16, 0x10E), 0xFFFF) << "register 0x0347";
  EXPECT_EQ(WordAt(f16, 0x114), 0x8000) << "register 0x034A";
  EXPECT_EQ(WordAt(f8, 0x10E), 0x8000);
  EXPECT_EQ(WordAt(f8, 0x114), 0xFFFF);

  EXPECT_EQ(WordAt(f24, 0x0BA), 0x0000);
  EXPECT_EQ(WordAt(f24, 0x0BC), 0x0080) << "register 0x031E";
  EXPECT_EQ(WordAt(f24, 0x13A), 0x0080) << "register 0x035D";
  EXPECT_EQ(WordAt(f24, 0x13E), 0xFFFF) << "register 0x035F";
  EXPECT_EQ(WordAt(f24, 0x140), 0x00FF) << "register 0x0360";
  EXPECT_EQ(WordAt(f24, 0x146), 0x0080) << "register 0x0363";
  EXPECT_EQ(WordAt(f24, 0x10E), 0x0000);

  EXPECT_EQ(FactoryEeprom(7, kMac), [] {
    EepromImage e = FactoryEeprom(2, kMac);
    e[0x01C] = 7;
    return e;
  }()) << "QX-F8B carries the 8-port block";
  EXPECT_EQ(DefaultConfigBlock(4), DefaultConfigBlock(1));
}

TEST(FactoryImage, LoadListAgreesWithTheSystemsRegisterImageMap) {
  std::vector<std::pair<uint16_t, size_t>> ours, theirs;
  ForEachBlockRegister([&](uint16_t reg, size_t offset) { ours.emplace_back(reg, offset); });
  ForEachImageRegister([&](size_t, uint16_t reg, size_t offset) { theirs.emplace_back(reg, offset); });
  EXPECT_EQ(ours, theirs);
  EXPECT_EQ(ours.size(), 156u);
  EXPECT_EQ(ours.back(), (std::pair<uint16_t, size_t>{0x037E, 0x17C - 0x022}));
}

}  // namespace
}  // namespace velkor::sim
