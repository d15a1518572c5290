#include "transport/switch_access.h"

#include <gtest/gtest.h>

#include "support/transport_rig.h"

namespace velkor {
namespace {

using testing::FakeSwitch;
using testing::kSwitchMac;

// The fake's EEPROM and a PHY bank, with busy bits that hold for a few polls.
struct IndirectSwitch : FakeSwitch {
  std::map<std::pair<int, int>, uint16_t> phys;
  int busyPolls = 2;
  int busyLeft = 0;
  bool busyForever = false;

  IndirectSwitch() : FakeSwitch(kSwitchMac) {
    onSet = [this](uint16_t reg, uint32_t v) { Command(reg, v); };
    onGet = [this](uint16_t reg, uint32_t v) { return Poll(reg, v); };
  }
  void Command(uint16_t reg, uint32_t v) {
    if (reg == 0x0217) {
      busyLeft = busyPolls;
    } else if (reg == 0x0500) {
      const int phy = (v >> 5) & 0x1F, r = v & 0x1F;
      if (v & 0x4000)
        phys[{phy, r}] = registers[0x0501];
      else
        registers[0x0502] = phys.count({phy, r}) ? phys[{phy, r}] : 0xFFFF;
      busyLeft = busyPolls;
    }
  }
  uint32_t Poll(uint16_t reg, uint32_t v) {
    const uint32_t busyBit = reg == 0x0217 ? 0x1000 : reg == 0x0500 ? 0x8000 : 0;
    if (!busyBit) return v;
    if (busyForever) return v | busyBit;
    if (busyLeft > 0) return --busyLeft, v | busyBit;
    return v & ~busyBit;
  }
};

class SwitchAccessTest : public ::testing::Test {
 protected:
  IndirectSwitch sw;
  testing::TransportRig rig{sw};
  void SetUp() override { rig.Connect(); }
};

TEST_F(SwitchAccessTest, EepromBytesRoundTripThroughTheBusyBitWithElevenBitAddresses) {
  sw.eeprom[0x012] = 0xAB;
  sw.registers[0x0217] = 0xF000;  // bits 15-12 of the control word are carried over
  EXPECT_EQ(rig.access.ReadEepromByte(0x0812), 0xAB);
  EXPECT_EQ(sw.writes.back().second, 0xE000u | 0x0800u | 0x012u);  // busy bit 12 cleared when polled
  EXPECT_TRUE(rig.access.WriteEepromByte(0x1A2, 'v'));
  EXPECT_EQ(sw.eeprom[0x1A2], 'v');
  const auto& ctl = sw.writes.back();
  EXPECT_EQ(ctl.first, 0x0217);
  EXPECT_EQ(ctl.second & 0x0800u, 0u);
}

TEST_F(SwitchAccessTest, BusyBitIsPolledAtOnceAndThenAfterShortSleeps) {
  sw.busyPolls = 3;
  sw.phys[{1, 2}] = 0x0042;
  const uint64_t start = rig.clock.NowUs();
  EXPECT_EQ(rig.access.ReadPhyRegister(1, 2), 0x0042);
  EXPECT_LT(rig.clock.NowUs() - start, 1'500u) << "three busy polls cost well under one 3 ms sleep";
}

TEST_F(SwitchAccessTest, AfterASlowCommandTheFirstPollAsksForTheBusyBitAloneButOnlyAFreshPollEndsTheWait) {
  for (uint16_t a = 1; a <= 4; ++a) sw.eeprom[a] = static_cast<uint8_t>(0x10 * a);
  ASSERT_EQ(rig.access.ReadEepromByte(1), 0x10);  // still busy at its first poll
  int gets = sw.gets;
  ASSERT_EQ(rig.access.ReadEepromByte(2), 0x20);
  EXPECT_EQ(sw.gets - gets, 1 + 6) << "the busy bit alone, then one fresh exchange with the data";
  sw.busyPolls = 0;
  gets = sw.gets;
  ASSERT_EQ(rig.access.ReadEepromByte(3), 0x30);
  EXPECT_EQ(sw.gets - gets, 1 + 6) << "an idle lone reading may be a stale copy: the fresh exchange decides";
  gets = sw.gets;
  ASSERT_EQ(rig.access.ReadEepromByte(4), 0x40);
  EXPECT_EQ(sw.gets - gets, 6) << "done at its first poll: the next command is polled fresh at once";
}

TEST_F(SwitchAccessTest, AWriteIsPolledWhileTheEepromWritesAndStillGetsItsWholeCycle) {
  ASSERT_TRUE(rig.access.ReadEepromByte(6));  // the controller is known idle: the write starts at once
  uint64_t start = rig.clock.NowUs();
  ASSERT_TRUE(rig.access.WriteEepromByte(7, 0x5A));
  EXPECT_EQ(sw.eeprom[7], 0x5A);
  EXPECT_EQ(rig.clock.NowUs() - start, 5'000u) << "done within the cycle: nothing asked after it";
  sw.busyPolls = 40;  // busy past the cycle's end
  start = rig.clock.NowUs();
  ASSERT_TRUE(rig.access.WriteEepromByte(8, 0xA5));
  EXPECT_EQ(sw.eeprom[8], 0xA5);
  EXPECT_GT(rig.clock.NowUs() - start, 5'000u);
}

TEST_F(SwitchAccessTest, BusyBitThatNeverClearsFailsWithinAboutASecond) {
  sw.busyForever = true;
  const uint64_t start = rig.clock.NowUs();
  EXPECT_FALSE(rig.access.ReadEepromByte(0));
  EXPECT_FALSE(rig.access.WriteEepromByte(0, 1));
  EXPECT_FALSE(rig.access.ReadPhyRegister(1, 0));
  EXPECT_LT(rig.clock.NowUs() - start, 3'100'000u);
}

TEST_F(SwitchAccessTest, LostSwitchFailsEepromReadInsteadOfReadingZero) {
  sw.answering = false;
  EXPECT_FALSE(rig.access.ReadEepromByte(5));
}

TEST_F(SwitchAccessTest, PhyCommandCarriesAddressRegisterAndKeptBits) {
  sw.phys[{22, 0}] = 0x1234;
  sw.registers[0x0500] = 0x3C00 | 0x1F;  // bits 13-10 kept, old address bits dropped
  EXPECT_EQ(rig.access.ReadPhyRegister(22, 0), 0x1234);
  EXPECT_EQ(sw.writes.back(), std::make_pair(uint16_t{0x0500}, uint32_t{0x3C00 | 22 << 5}));
  EXPECT_EQ(rig.access.ReadPhyRegister(3, 0), 0xFFFF);  // absent PHY
  EXPECT_TRUE(rig.access.WritePhyRegister(2, 4, 0x05E1));
  EXPECT_EQ(sw.phys[std::make_pair(2, 4)], 0x05E1);
  EXPECT_EQ(sw.writes.back().second & 0x4000u, 0x4000u);
}

TEST_F(SwitchAccessTest, MailboxRefusesWhileBusyAndReportsALostSwitch) {
  sw.registers[0x0006] = 0x0001;
  EXPECT_EQ(rig.access.Comm2MCU(0x0004), MailboxResult::kAccepted);
  EXPECT_EQ(sw.registers[0x0006], 0x0005u);
  EXPECT_EQ(rig.access.CheckCommRegBit(0x0004), true);
  EXPECT_EQ(rig.access.Comm2MCU(0x0004), MailboxResult::kBusy);
  sw.answering = false;
  EXPECT_EQ(rig.access.Comm2MCU(0x0008), MailboxResult::kFailed);
  EXPECT_FALSE(rig.access.CheckCommRegBit(0x0004));
}

TEST_F(SwitchAccessTest, SoftResetSetsBitZeroClearsBitOneAndWaitsUntilTheSwitchIsBack) {
  sw.registers[0x0000] = 0x00F2;
  sw.registers[0x0207] = 0x4140;
  const uint64_t start = rig.clock.NowUs();
  EXPECT_EQ(rig.access.SoftResetChip(), RestartResult::kRestarted);
  EXPECT_EQ(sw.registers[0x0000], 0x00F1u);
  EXPECT_LT(rig.clock.NowUs() - start, 1'000'000u) << "no fixed five seconds";

  sw.registers[0x0207] = 0;  // answers, but not as itself
  const uint64_t again = rig.clock.NowUs();
  EXPECT_EQ(rig.access.SoftResetChip(), RestartResult::kNotBack);
  EXPECT_GE(rig.clock.NowUs() - again, 5'000'000u);
  EXPECT_LT(rig.clock.NowUs() - again, 6'000'000u);
}

TEST_F(SwitchAccessTest, SoftResetWritesNothingWhenControlCannotBeRead) {
  sw.silent.insert(0x0000);
  EXPECT_EQ(rig.access.SoftResetChip(), RestartResult::kNotAnswered);
  EXPECT_TRUE(sw.writes.empty());
}

}  // namespace
}  // namespace velkor
