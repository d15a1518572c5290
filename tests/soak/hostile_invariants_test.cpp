// The emulator lies in each way once; velkorctl ends exactly as it must.
#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "support/emulated_ctl.h"

namespace velkor::cli {
namespace {

constexpr uint16_t kBandwidthPorts23 = 0x020B;  // chip ports 2 and 3, one byte each
constexpr uint16_t kVlanControl = 0x030B;

class HostileInvariantsTest : public testing::EmulatedCtlTest {
 protected:
  void SetUp() override {
    Start(1);
    terminal.interactive = false;
  }
  int Ctl(std::vector<std::string> args) {
    args.insert(args.end(), {"--password", "vemix"});
    return Run(std::move(args));
  }
};

TEST_F(HostileInvariantsTest, SpoofedRepliesInAReadModifyWriteChangeOnlyTheAskedField) {
  Switch().Write(kBandwidthPorts23, 0x3527);
  // Another MAC answers every read first, each time with a wrong value.
  Agent().Faults().Add({.kind = sim::FaultKind::kSpoof});
  ASSERT_EQ(Ctl({"port-set", "3", "--rx", "1m"}), kExitOk) << err.str();
  const uint32_t after = Switch().Peek(kBandwidthPorts23);
  EXPECT_EQ(after & 0xFF, 0x27u) << "the neighbour's byte is kept";
  EXPECT_NE(after >> 8, 0x35u);
  EXPECT_EQ(Ctl({"ports", "--json"}), kExitOk);
}

TEST_F(HostileInvariantsTest, StaleCopiesNeitherDecideNorFailAPortChange) {
  ASSERT_EQ(Ctl({"get", "0x020B"}), kExitOk);  // the switch's last reply for the register
  Switch().Poke(kBandwidthPorts23, 0x0027);    // then chip port 2's limits changed
  // Every reply of the register comes after a copy of the one before it.
  Agent().Faults().Add({.kind = sim::FaultKind::kStale, .reg = kBandwidthPorts23});
  ASSERT_EQ(Ctl({"port-set", "3", "--rx", "1m"}), kExitOk) << err.str();
  EXPECT_EQ(Switch().Peek(kBandwidthPorts23), 0x0427u);
}

TEST_F(HostileInvariantsTest, ALostHelloReplyIsNoLostSwitch) {
  Agent().Faults().Add({.kind = sim::FaultKind::kLose, .target = sim::FaultTarget::kHello, .count = 1});
  EXPECT_EQ(Ctl({"discover"}), kExitOk) << err.str();
  // The login's hello is answered; the one that finds the management port before mirroring is not.
  Agent().Faults().Clear();
  Agent().Faults().Add(
      {.kind = sim::FaultKind::kLose, .target = sim::FaultTarget::kHello, .from = 2, .count = 1});
  EXPECT_EQ(Ctl({"mirror-rx", "3", "on"}), kExitOk) << err.str();
  EXPECT_EQ(Switch().Peek(0x021B) & 0x0008, 0x0008u) << "chip port 3 mirrored";
  // None of the check's hellos answered: it changes nothing and says why.
  Agent().Faults().Clear();
  Agent().Faults().Add(
      {.kind = sim::FaultKind::kLose, .target = sim::FaultTarget::kHello, .from = 2, .count = 3});
  EXPECT_EQ(Ctl({"mirror-rx", "4", "on"}), kExitSwitchLost);
  EXPECT_TRUE(Says(err, "did not answer (the hello that tells the management port)")) << err.str();
  EXPECT_EQ(Switch().Peek(0x021B) & 0x0010, 0u) << "chip port 4 not mirrored";
}

TEST_F(HostileInvariantsTest, AStuckByteFailsTheSaveAndItSaysSo) {
  ASSERT_EQ(Ctl({"port-set", "3", "--rx", "1m"}), kExitOk);
  const uint16_t stuck = 0x080 + 2 * (kBandwidthPorts23 - 0x020A) + 1;
  const uint8_t held = Switch().Eeprom().Byte(stuck);
  Switch().Eeprom().StickByte(stuck);
  EXPECT_EQ(Ctl({"save", "--json"}), kExitFailure);
  EXPECT_EQ(out.str().rfind(R"({"error": {"code": 1,)", 0), 0u)
      << "an error, no success, for a script to read";
  EXPECT_TRUE(Says(err, "交换机在进行关键操作时发生错误")) << err.str();
  EXPECT_EQ(Switch().Eeprom().Byte(stuck), held);
}

TEST_F(HostileInvariantsTest, ASwitchThatFallsSilentDuringAVlanWriteIsReportedLost) {
  // As long as logging in takes, the switch answers; then it is silent for a minute.
  const uint64_t start = clock.NowUs();
  ASSERT_EQ(Ctl({"info"}), kExitOk);
  const uint64_t login = clock.NowUs() - start;
  const uint32_t before = Switch().Peek(kVlanControl);
  Agent().StopAnswering(clock.NowUs() + login, clock.NowUs() + login + 60'000'000);
  EXPECT_EQ(Ctl({"vlan", "mode", "dot1q", "--yes"}), kExitSwitchLost);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(Switch().Peek(kVlanControl), before) << "the mode did not change while nobody listened";
  clock.SleepUs(60'000'000);
  EXPECT_EQ(Ctl({"vlan", "mode", "dot1q", "--yes"}), kExitOk) << "back again, it works";
}

}  // namespace
}  // namespace velkor::cli
