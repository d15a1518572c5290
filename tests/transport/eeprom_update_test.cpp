#include "transport/eeprom_update.h"

#include <gtest/gtest.h>

#include "support/transport_rig.h"

namespace velkor {
namespace {

using testing::FakeSwitch;
using testing::kSwitchMac;

class EepromUpdateTest : public ::testing::Test {
 protected:
  FakeSwitch sw{kSwitchMac};
  testing::TransportRig rig{sw};
  void SetUp() override { rig.Connect(); }
  // The EEPROM addresses the switch was told to write.
  std::vector<uint16_t> Written() const {
    std::vector<uint16_t> addrs;
    for (const auto& [reg, value] : sw.writes)
      if (reg == 0x0217 && !(value & 0x0800)) addrs.push_back(value & 0x7FF);
    return addrs;
  }
};

TEST_F(EepromUpdateTest, WritesOnlyDifferingBytesAndVerifiesTheWholeRange) {
  std::vector<uint8_t> bytes(348);
  for (size_t i = 0; i < bytes.size(); ++i) sw.eeprom[0x22 + i] = bytes[i] = static_cast<uint8_t>(i * 5);
  EepromUpdate same = UpdateEepromRange(rig.access, 0x22, bytes);
  EXPECT_TRUE(same.Verified());
  EXPECT_EQ(same.written, 0u);
  EXPECT_TRUE(Written().empty());

  bytes[100] ^= 0xFF;
  bytes[101] ^= 0xFF;
  sw.writes.clear();
  const uint64_t start = rig.clock.NowUs();
  const EepromUpdate changed = UpdateEepromRange(rig.access, 0x22, bytes);
  EXPECT_TRUE(changed.Verified());
  EXPECT_EQ(Written(), (std::vector<uint16_t>{0x22 + 100, 0x22 + 101}));
  EXPECT_GE(rig.clock.NowUs() - start, 2 * 5000u) << "each written byte keeps its write cycle";
  EXPECT_EQ(sw.eeprom[0x22 + 101], bytes[101]);
}

TEST_F(EepromUpdateTest, ByteThatCouldNotBeReadFirstIsWritten) {
  sw.registers[0x0207] = 0x4140;  // the switch is still there
  const std::vector<uint8_t> bytes{1, 2, 3};
  std::copy(bytes.begin(), bytes.end(), sw.eeprom.begin() + 0x1A2);
  // The first read of 0x1A3 goes unanswered; the read-back is answered.
  bool lost = false;
  sw.onSet = [&](uint16_t reg, uint32_t value) {
    if (reg == 0x0217 && value == (0x0800 | 0x1A3) && !lost) {
      lost = true;
      sw.silent.insert(0x0218);
    } else {
      sw.silent.erase(0x0218);
    }
  };
  const EepromUpdate update = UpdateEepromRange(rig.access, 0x1A2, bytes);
  EXPECT_TRUE(update.Verified());
  EXPECT_EQ(Written(), std::vector<uint16_t>{0x1A3});
}

TEST_F(EepromUpdateTest, StuckByteFailsAtItsAddress) {
  sw.stuckByte = 0x205;
  const std::vector<uint8_t> bytes(8, 0x41);
  const EepromUpdate update = UpdateEepromRange(rig.access, 0x200, bytes);
  EXPECT_EQ(update.failedAt, 0x205);
  EXPECT_FALSE(update.unanswered);
  EXPECT_EQ(update.written, 8u);
}

}  // namespace
}  // namespace velkor
