#include "transport/eeprom_blocks.h"

#include <gtest/gtest.h>

#include "support/transport_rig.h"

namespace velkor {
namespace {

using testing::FakeSwitch;
using testing::kSwitchMac;

struct CountingProgress : Progress {
  int steps = 0;
  void StepIt() override { ++steps; }
};

class EepromBlocksTest : public ::testing::Test {
 protected:
  FakeSwitch sw{kSwitchMac};
  testing::TransportRig rig{sw};
  CountingProgress progress;
  void SetUp() override { rig.Connect(); }
};

TEST_F(EepromBlocksTest, ConfigBlockWritesVerifiesAndStepsForSaveProgress) {
  ConfigImage image{};
  for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 7);
  EXPECT_EQ(rig.blocks.WriteConfigBlock(image, &progress), 0);
  EXPECT_EQ(progress.steps, 348);  // 174 even addresses written, 174 read back
  EXPECT_EQ(sw.eeprom[0x022], image[0]);
  EXPECT_EQ(sw.eeprom[0x17D], image[347]);
  EXPECT_EQ(sw.eeprom[0x17E], 0);
  ConfigImage back{};
  EXPECT_EQ(rig.blocks.ReadConfigBlock(back, nullptr), 0);
  EXPECT_EQ(back, image);
}

TEST_F(EepromBlocksTest, StuckByteFailsTheVerification) {
  sw.stuckByte = 0x100;
  ConfigImage image;
  image.fill(0x5A);
  EXPECT_EQ(rig.blocks.WriteConfigBlock(image, nullptr), -1);
  std::array<uint8_t, 6> pw{'v', 'e', 'm', 'i', 'x', 0};
  sw.stuckByte = 0x1A4;
  EXPECT_EQ(rig.blocks.WritePasswordBytes(pw), -1);
  sw.stuckByte = -1;
  EXPECT_EQ(rig.blocks.WritePasswordBytes(pw), 0);
  std::array<uint8_t, 6> read{};
  EXPECT_EQ(rig.blocks.ReadPasswordBytes(read), 0);
  EXPECT_EQ(read, pw);
}

TEST_F(EepromBlocksTest, RegisterImageWritesEveryRegisterButTheKeyAndReadsThemAll) {
  ConfigImage image{};
  SetImageWord(image, 0x70 - kConfigBlockStart, 0x5C3A);
  SetImageWord(image, 0x98 - kConfigBlockStart, 0x0001);
  EXPECT_EQ(rig.blocks.WriteRegisterImage(image, progress), 0);
  EXPECT_EQ(progress.steps, 3);
  size_t written = 0;
  for (const auto& [reg, value] : sw.writes) {
    EXPECT_NE(reg, kKeyRegister);
    ++written;
  }
  EXPECT_EQ(written, 155u);  // the 156 registers of the map, less the key
  EXPECT_EQ(sw.registers[0x030C], 1u);

  sw.registers[0x0209] = 0x5C3A;
  sw.registers[0x037E] = 0xBEEF;
  ConfigImage read{};
  progress.steps = 0;
  EXPECT_TRUE(rig.blocks.ReadRegisterImage(read, &progress).empty());
  EXPECT_EQ(progress.steps, 3);
  EXPECT_EQ(ImageWord(read, 0x70 - kConfigBlockStart), 0x5C3A);
  EXPECT_EQ(ImageWord(read, 0x98 - kConfigBlockStart + 2 * 114), 0xBEEF);
}

TEST_F(EepromBlocksTest, ImageReadNamesTheLostRegistersAndKeepsTheirWords) {
  sw.silent.insert(0x0401);
  sw.registers[0x0400] = 0x1234;
  ConfigImage read{};
  read.fill(0xEE);
  const uint64_t start = rig.clock.NowUs();
  EXPECT_EQ(rig.blocks.ReadRegisterImage(read, nullptr), std::vector<uint16_t>{0x0401});
  EXPECT_LE(rig.clock.NowUs() - start, 150'000u) << "one batch, not one wait per register";
  EXPECT_EQ(ImageWord(read, 0x2E - kConfigBlockStart), 0x1234);
  EXPECT_EQ(ImageWord(read, 0x30 - kConfigBlockStart), 0xEEEE) << "a lost reply is no value";
  EXPECT_EQ(ImageWord(read, 0x32 - kConfigBlockStart), 0) << "the registers after it are read";

  sw.silent.clear();
  sw.registers[0x0401] = 0x0055;
  read.fill(0xEE);
  const std::vector<uint16_t> only{0x0401, 0x037E};
  EXPECT_TRUE(rig.blocks.ReadRegisterImage(read, nullptr, only).empty());
  EXPECT_EQ(ImageWord(read, 0x30 - kConfigBlockStart), 0x0055);
  EXPECT_EQ(ImageWord(read, 0x32 - kConfigBlockStart), 0xEEEE) << "0x0402 was not asked";
}

TEST_F(EepromBlocksTest, DescriptionsGoThroughTheCacheAndAreVerified) {
  std::array<uint8_t, 40> text{};
  std::copy_n("core switch", 11, text.begin());
  EXPECT_EQ(rig.blocks.WriteSwitchDescription(text), 0);
  EXPECT_EQ(sw.eeprom[0x200], 'c');
  EXPECT_EQ(rig.cache.switchDescription[10], 'h');

  std::array<uint8_t, 8> port{'u', 'p', 'l', 'i', 'n', 'k', '0', '1'};
  EXPECT_EQ(rig.blocks.WritePortDescription(23, port), 0);
  EXPECT_EQ(sw.eeprom[0x22A + 8 * 23 + 7], '1');
  EXPECT_EQ(rig.blocks.WritePortDescription(24, port), -1);
  sw.stuckByte = 0x22A;
  EXPECT_EQ(rig.blocks.WritePortDescription(0, port), -1);
  EXPECT_EQ(rig.cache.ports[0][0], 0);  // the cache shows what the EEPROM holds

  progress.steps = 0;
  EXPECT_EQ(rig.blocks.ClearDescriptionArea(&progress), 0);
  EXPECT_EQ(progress.steps, 117);
  EXPECT_EQ(sw.eeprom[0x200], 0);
  EXPECT_EQ(sw.eeprom[0x2E9], 0);
  EXPECT_EQ(rig.cache.switchDescription[0], 0);
}

}  // namespace
}  // namespace velkor
