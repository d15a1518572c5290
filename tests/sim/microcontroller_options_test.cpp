// The QX-G26A's microcontroller as velkor-switchsim's command line sets it up.

#include <gtest/gtest.h>

#include "sim/segment_builder.h"
#include "sim/sim_options.h"
#include "testing/virtual_clock.h"

namespace velkor::sim {
namespace {

class MicrocontrollerOptionsTest : public ::testing::Test {
 protected:
  EmulatedSwitch& Build(std::vector<std::string> args) {
    args.insert(args.begin(), {"--iface", "veth0", "--switch", "QX-G26A"});
    SimOptions options;
    std::string error;
    EXPECT_TRUE(ParseSimOptions(args, options, error)) << error;
    EXPECT_TRUE(BuildSegment(options, segment, clock, error)) << error;
    return segment.Switch(0);
  }

  VirtualClock clock;
  Segment segment{clock};
};

TEST_F(MicrocontrollerOptionsTest, DelayOptionSetsWhenACommandIsDone) {
  EmulatedSwitch& sw = Build({"--mcu-delay-ms", "1500"});
  sw.Write(0x060A, 0x0F0F);
  sw.Write(0x0006, 0x0004);
  clock.SleepMs(1499);
  EXPECT_EQ(sw.Read(0x0006), 0x0004u);
  clock.SleepMs(1);
  EXPECT_EQ(sw.Read(0x0006), 0u);
  segment.PowerCycleAll();
  EXPECT_EQ(sw.Read(0x060A), 0x0F0Fu);
}

TEST_F(MicrocontrollerOptionsTest, StuckFaultKeepsEveryCommandPendingAndChangesNothing) {
  EmulatedSwitch& sw = Build({"--fault", "0:mcu-stuck"});
  sw.Write(0x060A, 0x0F0F);
  sw.Write(0x0006, 0x0004 | 0x0010);
  clock.SleepMs(3'600'000);
  EXPECT_EQ(sw.Read(0x0006), 0x0014u);
  EXPECT_EQ(sw.Read(0x060A), 0x0F0Fu) << "no factory restore";
  segment.PowerCycleAll();
  EXPECT_EQ(sw.Read(0x060A), 0xAFAFu) << "nothing was saved";
}

}  // namespace
}  // namespace velkor::sim
