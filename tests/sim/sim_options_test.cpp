#include "sim/sim_options.h"

#include <gtest/gtest.h>

#include "sim/segment_builder.h"
#include "testing/virtual_clock.h"

namespace velkor::sim {
namespace {

bool Parse(std::vector<std::string> args, SimOptions& options, std::string& error) {
  args.insert(args.begin(), {"--iface", "veth0"});
  return ParseSimOptions(args, options, error);
}

TEST(SimOptions, SwitchesTakeModelMacParentPortChipAndCopies) {
  SimOptions o;
  std::string error;
  ASSERT_TRUE(
      Parse({"--switch", "qx-f8a,mac=02:00:00:00:00:fe,port=9", "--switch", "1,parent=0:12,chip=0x0103",
             "--count", "3", "--latency-us", "250", "--switch", "QX-G26A,latency=7"},
            o, error))
      << error;
  EXPECT_EQ(o.iface, "veth0");
  ASSERT_EQ(o.switches.size(), 5u);
  EXPECT_EQ(o.switches[0].modelCode, 2);
  EXPECT_EQ(o.switches[0].mac, (Mac{0x02, 0, 0, 0, 0, 0xFE}));
  EXPECT_EQ(o.switches[0].localPort, 9);
  EXPECT_EQ(o.switches[0].timing.latencyUs, 250u) << "global timing applies whatever the order";
  for (size_t i = 1; i <= 3; ++i) {
    EXPECT_EQ(o.switches[i].modelCode, 1);
    EXPECT_EQ(o.switches[i].chipId, 0x0103);
    EXPECT_EQ(o.switches[i].mac, (Mac{0x02, 0x10, 0, 0, 0, static_cast<uint8_t>(i + 1)}));
    ASSERT_TRUE(o.switches[i].parent);
    EXPECT_EQ(o.switches[i].parent->index, 0u);
    EXPECT_EQ(o.switches[i].parent->port, 11 + i) << "copies hang on consecutive ports";
  }
  EXPECT_EQ(o.switches[4].modelCode, 6);
  EXPECT_EQ(o.switches[4].timing.latencyUs, 7u);
  EXPECT_NE(o.switches[1].seed, o.switches[2].seed);
}

TEST(SimOptions, FaultsAndDefaults) {
  SimOptions o;
  std::string error;
  ASSERT_TRUE(Parse({"--fault", "0:lose,from=3,count=2,only=get", "--fault", "0:tag,vid=5,chance=0.5",
                     "--fault", "0:eeprom-stuck,addr=0x1A2", "--fault", "0:silent,after-ms=10,for-ms=20",
                     "--links-up", "--traffic", "1000", "--busy-polls", "4"},
                    o, error))
      << error;
  ASSERT_EQ(o.switches.size(), 1u) << "one QX-F16A by default";
  EXPECT_EQ(o.switches[0].modelCode, 1);
  EXPECT_EQ(o.switches[0].timing.eepromBusyPolls, 4u);
  ASSERT_EQ(o.faults.size(), 4u);
  const auto& lose = std::get<ReplyFault>(o.faults[0].fault);
  EXPECT_EQ(lose.kind, FaultKind::kLose);
  EXPECT_EQ(lose.from, 3u);
  EXPECT_EQ(lose.count, 2u);
  EXPECT_EQ(lose.target, FaultTarget::kGet);
  EXPECT_EQ(std::get<ReplyFault>(o.faults[1].fault).vid, 5);
  EXPECT_EQ(std::get<ChipFault>(o.faults[2].fault).address, 0x1A2);
  EXPECT_EQ(std::get<ChipFault>(o.faults[3].fault).forUs, 20000u);
  EXPECT_TRUE(o.linksUp);

  VirtualClock clock;
  clock.AdvanceTo(1000);
  Segment segment(clock);
  ASSERT_TRUE(BuildSegment(o, segment, clock, error)) << error;
  EXPECT_EQ(segment.Switch(0).LinkStatus(15), 0x35);
  clock.SleepUs(1000000);
  EXPECT_GT(segment.Switch(0).CounterValue(15, Counter::kReceive), 0u);
}

TEST(SimOptions, HostileFaultsAndTheSeed) {
  SimOptions o;
  std::string error;
  ASSERT_TRUE(Parse({"--seed", "40", "--switch", "1", "--count", "2", "--fault", "1:spoof,chance=0.1",
                     "--fault", "1:stale,us=300,reg=0x0218", "--fault", "0:hello-flood,switches=50",
                     "--fault", "0:silent,after-ms=5,for-ms=2,every-ms=100"},
                    o, error))
      << error;
  EXPECT_EQ(o.switches[0].seed, 40u);
  EXPECT_EQ(o.switches[1].seed, 41u);
  const auto& stale = std::get<ReplyFault>(o.faults[1].fault);
  EXPECT_EQ(stale.kind, FaultKind::kStale);
  EXPECT_EQ(stale.delayUs, 300u);
  EXPECT_EQ(stale.reg, 0x0218);
  EXPECT_EQ(std::get<ReplyFault>(o.faults[2].fault).floodCount, 50u);
  EXPECT_EQ(std::get<ChipFault>(o.faults[3].fault).everyUs, 100'000u);
}

TEST(SimOptions, RefusesWhatCannotRun) {
  SimOptions o;
  std::string error;
  EXPECT_FALSE(ParseSimOptions({"--switch", "1"}, o, error));
  EXPECT_EQ(error, "--iface is required");
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--switch", "QX-X1"},
                                              {"--count", "2"},
                                              {"--switch", "1,mac=zz"},
                                              {"--switch", "1,colour=red"},
                                              {"--fault", "0:melt"},
                                              {"--fault", "0:lose,chance=2"},
                                              {"--traffic", "-1"},
                                              {"--latency-us"},
                                              {"--bogus", "1"}}) {
    EXPECT_FALSE(Parse(bad, o, error)) << bad[0];
    EXPECT_FALSE(error.empty());
  }
  EXPECT_TRUE(ParseSimOptions({"--help"}, o, error));
  EXPECT_TRUE(o.help);

  VirtualClock clock;
  ASSERT_TRUE(Parse({"--switch", "1,parent=1:3", "--switch", "2"}, o, error));
  Segment cyclic(clock);
  EXPECT_FALSE(BuildSegment(o, cyclic, clock, error));
  ASSERT_TRUE(Parse({"--fault", "1:lose"}, o, error));
  Segment missing(clock);
  EXPECT_FALSE(BuildSegment(o, missing, clock, error));
}

}  // namespace
}  // namespace velkor::sim
