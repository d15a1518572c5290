#include "sim/emulated_switch.h"

#include <gtest/gtest.h>

#include "testing/virtual_clock.h"

namespace velkor::sim {
namespace {

class EmulatedSwitchTest : public ::testing::Test {
 protected:
  EmulatedSwitch Make(SwitchSetup setup) { return EmulatedSwitch(setup, clock); }

  // The host's EEPROM read: wait, command, wait, data; counts the polls that read busy.
  uint8_t ReadEeprom(EmulatedSwitch& sw, uint16_t addr, int* busyPolls = nullptr) {
    while (sw.Read(0x0217) & 0x1000) {
    }
    sw.Write(0x0217, 0x0800 | addr);
    int polls = 0;
    while (sw.Read(0x0217) & 0x1000) ++polls;
    if (busyPolls) *busyPolls = polls;
    return static_cast<uint8_t>(sw.Read(0x0218) >> 8);
  }

  void WriteEeprom(EmulatedSwitch& sw, uint16_t addr, uint8_t value) {
    while (sw.Read(0x0217) & 0x1000) {
    }
    sw.Write(0x0218, value);
    sw.Write(0x0217, addr);
    while (sw.Read(0x0217) & 0x1000) {
    }
  }

  uint32_t ReadPhy(EmulatedSwitch& sw, uint8_t phy, uint8_t reg) {
    sw.Write(0x0500, static_cast<uint32_t>(phy) << 5 | reg);
    while (sw.Read(0x0500) & 0x8000) {
    }
    return sw.Read(0x0502);
  }

  VirtualClock clock;
};

TEST_F(EmulatedSwitchTest, IdentityRegistersFollowTheModelAndIgnoreHostWrites) {
  struct Case {
    uint8_t model;
    uint32_t chipId;
  };
  for (const Case c : {Case{1, 1}, Case{2, 2}, Case{3, 3}, Case{4, 0}, Case{6, 0}, Case{7, 7}}) {
    EmulatedSwitch sw = Make({.modelCode = c.model});
    EXPECT_EQ(sw.Read(0x0207), 0x4140u);
    EXPECT_EQ(sw.Read(0x0208), c.chipId) << int{c.model};
    EXPECT_EQ(sw.Read(0x0100) & 1, 0u);
    EXPECT_EQ(sw.Read(0x0102) & 0x08, 0x08u);
    EXPECT_EQ(sw.HasMicrocontroller(), c.model == 6);
  }
  EmulatedSwitch sw = Make({.chipId = 0x0102, .eepromPresent = false, .gigabitModule = false});
  EXPECT_EQ(sw.Read(0x0208), 0x0102u);
  EXPECT_EQ(sw.Read(0x0100) & 1, 1u);
  EXPECT_EQ(sw.Read(0x0102) & 0x08, 0u);
  for (uint16_t reg : {0x0207, 0x0208, 0x0100, 0x0102, 0x0619, 0x070D, 0x0502}) {
    const uint32_t before = sw.Read(reg);
    sw.Write(reg, 0xFFFF);
    EXPECT_EQ(sw.Read(reg), before) << std::hex << reg;
  }
  EXPECT_TRUE(sw.Poke(0x0102, 0x0028));
  EXPECT_EQ(sw.Read(0x0102), 0x0028u);
  EXPECT_FALSE(sw.Poke(0x0217, 0));
}

TEST_F(EmulatedSwitchTest, PortLayoutOfTheChip) {
  EXPECT_EQ(Make({.modelCode = 2}).Ports().fastEthernet,
            (std::vector<uint8_t>{8, 9, 10, 11, 12, 13, 14, 15}));
  EXPECT_EQ(Make({.modelCode = 1}).Ports().fastEthernet.size(), 16u);
  EXPECT_EQ(Make({.modelCode = 3}).Ports().fastEthernet.size(), 24u);
  const EmulatedSwitch big = Make({.modelCode = 6});
  EXPECT_EQ(big.Ports().fastEthernet.size(), 24u);
  EXPECT_EQ(big.Ports().gigabit, (std::vector<uint8_t>{24, 25}));
  EXPECT_EQ(big.LinkStatus(0), 0x35) << "the host's port has a 100M full-duplex link";
  EXPECT_EQ(big.LinkUpStatus(24), 0x36);
}

TEST_F(EmulatedSwitchTest, EepromReadTakesEffectWhenTheBusyBitClears) {
  EmulatedSwitch sw = Make({.modelCode = 2, .mac = {0x02, 0x10, 0, 0, 0, 0x42}});
  sw.Write(0x0217, 0x0800 | 0x017);
  EXPECT_EQ(sw.Read(0x0218) >> 8, 0u) << "no data before the busy bit has cleared";
  EXPECT_EQ(sw.Read(0x0217), 0x1817u);
  EXPECT_EQ(sw.Read(0x0217), 0x1817u);
  EXPECT_EQ(sw.Read(0x0217), 0x0817u);
  EXPECT_EQ(sw.Read(0x0218) >> 8, 0x42u);

  int busyPolls = 0;
  EXPECT_EQ(ReadEeprom(sw, 0x0800 | 0x01C, &busyPolls), 2) << "11-bit address: 0x081C is the model byte";
  EXPECT_EQ(busyPolls, 2);
}

TEST_F(EmulatedSwitchTest, EepromWritesLatchTheirByteAndLoseCommandsWhileBusy) {
  EmulatedSwitch sw = Make({.modelCode = 2});
  sw.Write(0x0218, 0x5A);
  sw.Write(0x0217, 0x0200);
  sw.Write(0x0218, 0x77);
  sw.Write(0x0217, 0x0201);  // still busy: lost
  while (sw.Read(0x0217) & 0x1000) {
  }
  EXPECT_EQ(sw.Eeprom().Byte(0x200), 0x5A);
  EXPECT_EQ(sw.Eeprom().Byte(0x201), 0x00);

  sw.Eeprom().StickByte(0x1A2);
  WriteEeprom(sw, 0x1A2, 'x');
  EXPECT_EQ(ReadEeprom(sw, 0x1A2), 'v');
}

TEST_F(EmulatedSwitchTest, StuckBusyBitsNeverClear) {
  EmulatedSwitch sw = Make({.modelCode = 2});
  sw.Eeprom().Busy().SetStuck(true);
  sw.Phys().Busy().SetStuck(true);
  for (int i = 0; i < 1000; ++i) {
    ASSERT_TRUE(sw.Read(0x0217) & 0x1000);
    ASSERT_TRUE(sw.Read(0x0500) & 0x8000);
  }
  sw.Eeprom().Busy().SetStuck(false);
  EXPECT_FALSE(sw.Read(0x0217) & 0x1000);
}

TEST_F(EmulatedSwitchTest, PhysAnswerTheirRegistersAndAbsentOnesReadAllOnes) {
  EmulatedSwitch sw = Make({.modelCode = 2});
  EXPECT_EQ(ReadPhy(sw, 8, 0), 0x3100u);
  EXPECT_EQ(ReadPhy(sw, 22, 0), 0xFFFFu);
  EXPECT_EQ(ReadPhy(sw, 3, 1), 0xFFFFu) << "an 8-port chip has PHYs 8-15 only";

  sw.Write(0x0501, 0x0DA5);
  sw.Write(0x0500, 0x4000 | 9 << 5 | 4);
  EXPECT_EQ(sw.Read(0x0500), 0xC000u | 9 << 5 | 4);
  EXPECT_EQ(sw.Read(0x0500), 0x4000u | 9 << 5 | 4);
  EXPECT_EQ(ReadPhy(sw, 9, 4), 0x0DA5u);
  EXPECT_EQ(sw.Phys().Register(9, 4), 0x0DA5);

  sw.Phys().SetPresent(22, true);
  EXPECT_EQ(ReadPhy(sw, 22, 0), 0x3100u);
}

TEST_F(EmulatedSwitchTest, PowerCycleLoadsTheEepromBlockButNotTheKey) {
  EmulatedSwitch sw = Make({.modelCode = 2});
  EXPECT_EQ(sw.Read(0x060A), 0xAFAFu);
  EXPECT_EQ(sw.Read(0x030C), 0x0100u);
  sw.Write(0x060A, 0x1111);
  sw.Write(0x0200, 0x0001);
  sw.Eeprom().SetByte(0x03A, 0x0F);  // low byte of 0x060A
  sw.Eeprom().SetByte(0x070, 0x34);  // the key's word
  sw.Eeprom().SetByte(0x071, 0x12);
  sw.Eeprom().SetByte(0x060, 0xEE);  // the placeholder register 0xFFFF
  sw.PowerCycle();
  EXPECT_EQ(sw.Read(0x060A), 0xAF0Fu);
  EXPECT_EQ(sw.Read(0x0200), 0u);
  EXPECT_EQ(sw.Read(0x0209), 0x5C3Au);
  EXPECT_EQ(sw.Read(0xFFFF), 0x00EEu);
}

TEST_F(EmulatedSwitchTest, PowerCycleTakesMacAndModelFromTheEeprom) {
  EmulatedSwitch sw = Make({.modelCode = 2, .mac = {0x02, 0x10, 0, 0, 0, 1}});
  sw.Eeprom().SetByte(0x017, 0x99);
  sw.Eeprom().SetByte(0x01C, 0x12);
  EXPECT_EQ(sw.MacAddress()[5], 1) << "until the next power-on";
  sw.PowerCycle();
  EXPECT_EQ(sw.MacAddress(), (Mac{0x02, 0x10, 0, 0, 0, 0x99}));
  EXPECT_EQ(sw.ModelCode(), 2) << "the low nibble of the model byte";
}

TEST_F(EmulatedSwitchTest, MicrocontrollerSavesAfterItsDelayAndPowerOnRestoresIt) {
  EmulatedSwitch sw = Make({.modelCode = 6});
  sw.Write(0x060A, 0x1234);
  sw.Write(0x0006, 0x0004);
  EXPECT_EQ(sw.Read(0x0006), 0x0004u);
  clock.SleepUs(499999);
  EXPECT_EQ(sw.Read(0x0006), 0x0004u);
  clock.SleepUs(1);
  EXPECT_EQ(sw.Read(0x0006), 0u);
  sw.Write(0x060C, 0x5678);  // after the save: lost at power-off
  sw.PowerCycle();
  EXPECT_EQ(sw.Read(0x060A), 0x1234u);
  EXPECT_EQ(sw.Read(0x060C), 0xAFAFu);
  EXPECT_EQ(sw.Eeprom().Byte(0x03A), 0xAF) << "the microcontroller keeps its own copy";
}

TEST_F(EmulatedSwitchTest, MicrocontrollerRestoresTheFactoryConfiguration) {
  EmulatedSwitch sw = Make({.modelCode = 6});
  sw.Write(0x060A, 0x1234);
  sw.Write(0x0006, 0x0004);
  clock.SleepUs(500000);
  sw.Write(0x0006, sw.Read(0x0006) | 0x0010);
  clock.SleepUs(500000);
  EXPECT_EQ(sw.Read(0x0006), 0u);
  EXPECT_EQ(sw.Read(0x060A), 0xAFAFu);
  sw.PowerCycle();
  EXPECT_EQ(sw.Read(0x060A), 0xAFAFu);
}

TEST_F(EmulatedSwitchTest, StuckMicrocontrollerKeepsItsCommandBit) {
  EmulatedSwitch sw = Make({.modelCode = 6});
  sw.Mcu()->SetStuck(true);
  sw.Write(0x0006, 0x0004);
  clock.SleepUs(600000000);
  EXPECT_EQ(sw.Read(0x0006), 0x0004u);

  EmulatedSwitch plain = Make({.modelCode = 2});
  plain.Write(0x0006, 0x0004);
  clock.SleepUs(1000000);
  EXPECT_EQ(plain.Read(0x0006), 0x0004u) << "without a microcontroller the mailbox is a plain register";
}

}  // namespace
}  // namespace velkor::sim
