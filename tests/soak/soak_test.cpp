// A short, bounded soak: every scenario, a few dozen seeded actions each, in this process.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <sstream>

#include "soak/in_process_side.h"

namespace velkor::soak {
namespace {

TEST(Soak, NoStrayWriteNoFalseSuccessNoHangOnAnySegment) {
  // Its own directory: another soak may run on the machine at the same time.
  std::string work = ::testing::TempDir() + "soak-XXXXXX";
  ASSERT_NE(mkdtemp(work.data()), nullptr);
  std::vector<Tally> tallies;
  std::ostringstream log;
  for (const Scenario& scenario : Scenarios()) {
    std::vector<std::string> args{"--iface", "soak", "--switch", "QX-F16A"};
    args.insert(args.end(), scenario.simOptions.begin(), scenario.simOptions.end());
    sim::SimOptions options;
    std::string error;
    ASSERT_TRUE(sim::ParseSimOptions(args, options, error)) << error;
    InProcessSide side;
    ASSERT_TRUE(side.Build(options, error)) << error;
    tallies.push_back(RunScenario(scenario, side, {.actions = 25, .seed = 7, .workDir = work, .log = &log}));
  }
  std::ostringstream table;
  PrintTable(tallies, table);
  for (const Tally& t : tallies) {
    EXPECT_EQ(t.strayWrites, 0) << t.scenario;
    EXPECT_EQ(t.falseSuccesses, 0) << t.scenario;
    EXPECT_EQ(t.hangs, 0) << t.scenario;
  }
  EXPECT_GE(tallies[1].completed, tallies[1].actions * 96 / 100) << "10 % loss";
  std::cout << table.str() << log.str();
  std::filesystem::remove_all(work);
}

}  // namespace
}  // namespace velkor::soak
