#include "device/default_images.h"

#include <gtest/gtest.h>

#include <initializer_list>

#include "device/eeprom_layout.h"

namespace velkor {
namespace {

// Expected blocks are written at literal EEPROM addresses, independently of the register image map.
struct Expected {
  ConfigImage image{};

  void Put(uint16_t eepromAddress, uint16_t word) {
    image[eepromAddress - 0x022] = word & 0xFF;
    image[eepromAddress - 0x022 + 1] = word >> 8;
  }
  // The VLAN registers 0x030C-0x037E are stored from 0x098 on.
  void Vlan(uint16_t reg, uint16_t word) { Put(0x098 + 2 * (reg - 0x030C), word); }
  void VlanSeries(uint16_t first, std::initializer_list<uint16_t> words) {
    for (uint16_t w : words) Vlan(first++, w);
  }
  void Byte(uint16_t eepromAddress, uint8_t value) { image[eepromAddress - 0x022] = value; }
};

Expected Common() {
  Expected e;
  e.Put(0x022, 0x0004);                                          // 0x0300
  e.Put(0x024, 0x8200);                                          // 0x0307
  e.Put(0x026, 0x0001);                                          // 0x0308
  e.Put(0x028, 0x0001);                                          // 0x030B
  e.Put(0x038, 0x001C);                                          // 0x0607
  for (uint16_t a = 0x03A; a < 0x052; a += 2) e.Put(a, 0xAFAF);  // 0x060A-0x0615
  e.Put(0x070, 0x5C3A);                                          // 0x0209, the key
  e.Vlan(0x0318, 0x7001);
  e.VlanSeries(0x0319, {0xFFFF, 0xFFFF, 0xFFFF});
  e.Byte(0x052, 0xEC);
  e.Byte(0x053, 0x06);
  return e;
}

void ExpectSame(const ConfigImage& actual, const ConfigImage& expected) {
  for (size_t i = 0; i < actual.size(); ++i)
    EXPECT_EQ(actual[i], expected[i]) << "EEPROM byte 0x" << std::hex << i + 0x022;
}

const ConfigImage& Block(int modelCode) {
  const ConfigImage* block = DefaultBlockFor(modelCode);
  EXPECT_NE(block, nullptr) << modelCode;
  static const ConfigImage kNone{};
  return block ? *block : kNone;
}

// F16 and F8 differ in the port indexes and in which of entries 14 and 15 holds every port.
void ExpectSixteenPortBlock(int modelCode, std::initializer_list<uint16_t> portIndexes, uint16_t entry14,
                            uint16_t entry15) {
  Expected e = Common();
  e.VlanSeries(0x030C, portIndexes);
  for (uint16_t reg = 0x031D; reg <= 0x0344; reg += 3) e.Vlan(reg, 0x8000);
  e.Vlan(0x0347, entry14);
  e.Vlan(0x034A, entry15);
  ExpectSame(Block(modelCode), e.image);
}

TEST(DefaultImages, F16) {
  ExpectSixteenPortBlock(
      1, {0x0001, 0x0203, 0x0405, 0x0607, 0x0809, 0x0A0B, 0x0C0D, 0x0E0F, 0x1110, 0x1312, 0x1514, 0x1716},
      0xFFFF, 0x8000);
  EXPECT_EQ(Block(1)[0x098 - 0x022], 0x01) << "low byte first";
}

TEST(DefaultImages, F8ForBothEightPortModels) {
  ExpectSixteenPortBlock(
      2, {0x0100, 0x0302, 0x0504, 0x0706, 0x0908, 0x0B0A, 0x0D0C, 0x0F0E, 0x1110, 0x1312, 0x1514, 0x1716},
      0x8000, 0xFFFF);
  EXPECT_EQ(DefaultBlockFor(7), DefaultBlockFor(2));
}

TEST(DefaultImages, F24) {
  Expected e = Common();
  e.VlanSeries(0x030C, {0x0001, 0x0203, 0x0405, 0x0607, 0x0809, 0x0A0B, 0x0C0D, 0x0E0F, 0x1011, 0x1213,
                        0x1415, 0x1617});
  int words = 0;
  for (uint16_t reg = 0x031E; reg <= 0x035D; reg += 3, ++words) e.Vlan(reg, 0x0080);
  ASSERT_EQ(words, 22);
  e.Vlan(0x035F, 0xFFFF);
  e.Vlan(0x0360, 0x00FF);
  e.Vlan(0x0363, 0x0080);
  ExpectSame(Block(3), e.image);
}

TEST(DefaultImages, G17HasVlanOffAndGigabitTagRulesForBothItsCodes) {
  Expected e = Common();
  e.Put(0x028, 0x0000);
  e.Vlan(0x031C, 0x000F);
  ExpectSame(Block(4), e.image);
  EXPECT_EQ(DefaultBlockFor(5), DefaultBlockFor(4));
}

TEST(DefaultImages, CodesWithoutBlock) {
  for (int code : {0, 6, 8, 15}) EXPECT_EQ(DefaultBlockFor(code), nullptr) << code;
}

TEST(SaveTemplates, GapBytesPerModel) {
  ConfigImage second{};
  const uint8_t run[] = {0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12,
                         0x13, 0x14, 0x15, 0x00, 0x00, 0x16, 0x17, 0xFF, 0xFF, 0xFF, 0xFF};
  for (size_t i = 0; i < sizeof run; ++i) second[0x052 - 0x022 + i] = run[i];
  for (uint16_t a = 0x06C; a <= 0x06F; ++a) second[a - 0x022] = 0xFF;
  for (int code : {2, 4, 5, 6, 7}) ExpectSame(SaveTemplateFor(code), second);
  for (int code : {1, 3}) {
    const ConfigImage& t = SaveTemplateFor(code);
    EXPECT_EQ(t[0x052 - 0x022], 0xEC) << code;
    EXPECT_EQ(t[0x053 - 0x022], 0x06) << code;
    for (const EepromRange& gap : kConfigGapRanges) {
      for (uint16_t a = gap.first; a <= gap.last; ++a) {
        if (a == 0x052 || a == 0x053) continue;
        EXPECT_EQ(t[a - 0x022], 0) << code << " at " << a;
      }
    }
  }
}

TEST(EepromLayout, GapRangesAreExactlyTheBytesNoRegisterCovers) {
  std::array<bool, kConfigBlockSize> covered{};
  ForEachImageRegister(
      [&](size_t, uint16_t, size_t offset) { covered[offset] = covered[offset + 1] = true; });
  std::array<bool, kConfigBlockSize> gap{};
  for (const EepromRange& r : kConfigGapRanges)
    for (uint16_t a = r.first; a <= r.last; ++a) gap[ImageIndexOf(a)] = true;
  for (size_t i = 0; i < kConfigBlockSize; ++i) EXPECT_NE(covered[i], gap[i]) << "EEPROM byte " << i + 0x022;
}

TEST(EepromLayout, FieldAddresses) {
  EXPECT_EQ(RegisterImageIndex(0x0209), ImageIndexOf(0x070));
  EXPECT_EQ(RegisterImageIndex(0x037E), ImageIndexOf(0x17C));
  EXPECT_EQ(RegisterImageIndex(0x021A), std::nullopt) << "not part of the block";
  EXPECT_EQ(kConfigBlockEnd, 0x17D);
  EXPECT_EQ(PortDescriptionAddress(0), 0x22A);
  EXPECT_EQ(PortDescriptionAddress(23) + kPortDescriptionSize - 1, kExportImageSize - 1);
}

}  // namespace
}  // namespace velkor
