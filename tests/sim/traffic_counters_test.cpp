#include "sim/traffic_counters.h"

#include <gtest/gtest.h>

#include "sim/emulated_switch.h"
#include "testing/virtual_clock.h"

namespace velkor::sim {
namespace {

constexpr TrafficRates kTraffic{.bytes = 64000, .frames = 100, .crcErrorFrames = 3, .collisionFrames = 1};

TEST(TrafficCounters, CountInTheSelectedUnitAndRestartWhenItChanges) {
  TrafficCounters c;
  c.SetRates(4, Counter::kReceive, kTraffic);
  c.SetRates(4, Counter::kTransmit, kTraffic);
  c.Advance(2000000);
  EXPECT_EQ(c.Read(0x070D + 4), 128000u) << "bytes after power-on";
  c.Write(0x0702, 0x0001);  // chip port 4: receive in frames
  EXPECT_EQ(c.Read(0x070D + 4), 0u);
  EXPECT_EQ(c.Read(0x0727 + 4), 128000u) << "the transmit unit did not change";
  c.Advance(1000000);
  EXPECT_EQ(c.Read(0x070D + 4), 100u);
  c.Write(0x0702, 0x0001);
  EXPECT_EQ(c.Read(0x070D + 4), 100u) << "writing the same unit again keeps the count";
}

TEST(TrafficCounters, OddPortsUseTheHighSixBits) {
  TrafficCounters c;
  c.Write(0x0702, 0x0E40);  // chip port 5: receive frames, transmit CRC errors, drop collisions
  EXPECT_EQ(c.Unit(5, Counter::kReceive), CounterUnit::kFrames);
  EXPECT_EQ(c.Unit(5, Counter::kTransmit), CounterUnit::kCrcErrorFrames);
  EXPECT_EQ(c.Unit(5, Counter::kDrop), CounterUnit::kCollisionFrames);
  EXPECT_EQ(c.Unit(4, Counter::kReceive), CounterUnit::kBytes);
  c.SetRates(5, Counter::kDrop, kTraffic);
  c.Advance(4000000);
  EXPECT_EQ(c.Read(0x0741 + 5), 4u);
  EXPECT_EQ(c.Read(0x0702), 0x0E40u);
}

TEST(TrafficCounters, WrapAtTwoToThe32AndKeepFractions) {
  TrafficCounters c;
  c.Write(0x070C, 0x0001 << 6);  // chip port 25: receive in frames
  c.SetRates(25, Counter::kReceive, kTraffic);
  c.SetValue(25, Counter::kReceive, 0xFFFFFFF0u);
  c.Advance(320000);
  EXPECT_EQ(c.Read(0x070D + 25), 16u);

  c.Write(0x070C, 0x0002 << 6);  // CRC errors: 3 a second
  for (int i = 0; i < 10; ++i) c.Advance(100000);
  EXPECT_EQ(c.Read(0x070D + 25), 3u) << "no count is lost to rounding";

  c.SetRates(0, Counter::kReceive, {.bytes = 1000000000});
  c.Advance(uint64_t{1000000} * 1000000);  // a million seconds at a gigabyte a second
  EXPECT_EQ(c.Read(0x070D), static_cast<uint32_t>(uint64_t{1000000000} * 1000000));
}

TEST(TrafficCounters, SwitchAdvancesThemOnItsClock) {
  VirtualClock clock;
  EmulatedSwitch sw({.modelCode = 2}, clock);
  sw.SetTraffic(9, Counter::kTransmit, kTraffic);
  clock.SleepUs(1500000);
  sw.SetCounter(9, Counter::kTransmit, 10);
  clock.SleepUs(500000);
  EXPECT_EQ(sw.Read(0x0727 + 9), 32010u) << "counting goes on from the value that was set";
  sw.Write(0x0727 + 9, 0);
  EXPECT_EQ(sw.Read(0x0727 + 9), 32010u) << "the host cannot write a counter";
  sw.PowerCycle();
  EXPECT_EQ(sw.Read(0x0727 + 9), 0u);
  clock.SleepUs(1000000);
  EXPECT_EQ(sw.CounterValue(9, Counter::kTransmit), 64000u) << "the traffic goes on after power-on";
}

}  // namespace
}  // namespace velkor::sim
