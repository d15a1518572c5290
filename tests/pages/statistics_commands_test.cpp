#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "cli/exit_codes.h"
#include "cli/run_ctl.h"
#include "support/emulated_ctl.h"
#include "transport/register_engine.h"

namespace velkor::cli {
namespace {

using sim::Counter;

// velkorctl against an emulated QX-G17A: panel port 3 is chip port 3, 4 is 2, 5 is 5, G1 is 24
// and G2 25.
class StatisticsCommandsTest : public testing::EmulatedCtlTest {
 protected:
  void SetUp() override { Start(4); }
  int Run(std::vector<std::string> args) {
    args.insert(args.end(), {"--password", "vemix"});
    return EmulatedCtlTest::Run(std::move(args));
  }
  // Writes to the unit registers 0x0700-0x070C.
  size_t UnitWrites() {
    size_t n = 0;
    for (const sim::ReceivedWrite& w : Agent().Writes()) n += w.reg >= 0x0700 && w.reg <= 0x070C;
    return n;
  }
  bool Prints(const std::string& text) const { return Says(out, text); }
};

TEST_F(StatisticsCommandsTest, StatsPrintsEachPortsCountersAndUnits) {
  Switch().Poke(0x0702, 0x0E40);  // chip port 5: receive frames, transmit CRC errors, drop collisions
  Switch().SetCounter(5, Counter::kReceive, 123);
  Switch().SetCounter(24, Counter::kDrop, 0xFFFFFFFFu);
  ASSERT_EQ(Run({"stats", "5,G1", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Prints(R"({"port": "5", "rx": 123, "rx_unit": "frames", "tx": 0, "tx_unit": "crc", "drop": 0, )"
                     R"("drop_unit": "collisions"})"))
      << out.str();
  EXPECT_TRUE(Prints(R"("port": "G1")"));
  EXPECT_TRUE(Prints(R"("drop": 4294967295, "drop_unit": "bytes")"));

  ASSERT_EQ(Run({"stats", "G1"}), kExitOk);
  EXPECT_TRUE(Prints("G1    0   bytes")) << out.str();
  EXPECT_EQ(Run({"stats", "G3"}), kExitUsage);
}

TEST_F(StatisticsCommandsTest, StatsReportsALostReplyInsteadOfPrintingIt) {
  ASSERT_EQ(Run({"stats", "G2"}), kExitOk);
  const uint64_t getsPerRun = Agent().Frames().gets;
  // The last get of a run is chip port 25's drop counter, panel port G2.
  Agent().Faults().Add(
      {.target = sim::FaultTarget::kGet, .from = getsPerRun, .count = RegisterEngine::kAsksPerRead});
  EXPECT_EQ(Run({"stats", "G2"}), kExitSwitchLost);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("port G2"), std::string::npos) << err.str();
}

TEST_F(StatisticsCommandsTest, WatchPrintsRunningTotalsBeyond32Bits) {
  Switch().SetTraffic(24, Counter::kReceive, {.bytes = 1000000000});
  ASSERT_EQ(Run({"stats", "G1", "--watch", "2x3", "--json"}), kExitOk) << err.str();
  std::vector<int64_t> totals;
  for (size_t at = 0; (at = out.str().find("\"rx\": ", at)) != std::string::npos; at += 6)
    totals.push_back(std::stoll(out.str().substr(at + 6)));
  ASSERT_EQ(totals.size(), 3u) << out.str();
  EXPECT_GT(totals[1], totals[0]);
  // Three 2 s rounds at a gigabyte a second, each a little longer for the exchange itself.
  EXPECT_GE(totals[2], 6000000000);
  EXPECT_LT(totals[2], 6500000000);
  EXPECT_TRUE(Prints("\"seconds\": 6}"));
}

// The metrics file for node_exporter: 64-bit totals that go on rising across the chip's 32-bit
// wraps, link state, and descriptions (user text) escaped inside their labels.
TEST_F(StatisticsCommandsTest, PrometheusFileCarriesTotalsLinkAndEscapedLabels) {
  const std::string path = ::testing::TempDir() + "velkor-metrics.prom";
  const uint8_t description[] = {'a', '"', 'b', '\\', '\n', 'c', 0, 0};
  for (size_t i = 0; i < sizeof description; ++i)
    Switch().Eeprom().SetByte(static_cast<uint16_t>(0x22A + 8 * 4 + i), description[i]);
  Switch().SetLinkStatus(5, 0x10);
  Switch().SetCounter(5, Counter::kReceive, 0x80000000u);  // wraps between the two rounds
  Switch().SetTraffic(5, Counter::kReceive, {.bytes = 1000000000});
  ASSERT_EQ(Run({"stats", "5,G1", "--prometheus", "--output", path, "--watch", "3x2"}), kExitOk) << err.str();
  EXPECT_EQ(out.str(), "");
  std::ifstream file(path);
  const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  const std::string labels = R"(switch="02:10:00:00:00:01",model="QX-G17A",port="5",description="a\"b\\\nc")";
  const size_t at = text.find("velkor_port_rx_total{" + labels + ",unit=\"bytes\"} ");
  ASSERT_NE(at, std::string::npos) << text;
  EXPECT_GT(std::stoull(text.substr(text.find("} ", at) + 2)), 0x100000000ull) << "past the wrap";
  EXPECT_NE(text.find("velkor_port_link_up{" + labels + "} 1\n"), std::string::npos) << text;
  EXPECT_NE(
      text.find(
          R"(velkor_port_link_up{switch="02:10:00:00:00:01",model="QX-G17A",port="G1",description=""} 0)"),
      std::string::npos);
  EXPECT_NE(text.find("# TYPE velkor_port_drop_total counter\n"), std::string::npos);
  std::remove(path.c_str());
}

// Keeps what had been written at each flush: all a pipe or a file has seen by then.
class FlushRecorder : public std::stringbuf {
 public:
  std::vector<std::string> flushed;

 protected:
  int sync() override {
    flushed.push_back(str());
    return 0;
  }
};

TEST_F(StatisticsCommandsTest, WatchHandsOnEachRoundAtOnce) {
  FlushRecorder pipe;
  std::ostream piped(&pipe);
  ASSERT_EQ(
      RunCtl({"stats", "G1", "--watch", "1x2", "--password", "vemix"}, wire, clock, terminal, piped, err),
      kExitOk);
  ASSERT_EQ(pipe.flushed.size(), 2u);
  EXPECT_NE(pipe.flushed[0].find("bytes      1\n"), std::string::npos) << pipe.flushed[0];
  EXPECT_EQ(pipe.flushed[0].find("seconds: 2"), std::string::npos) << "the second round is not due yet";
}

TEST_F(StatisticsCommandsTest, WatchRefusesAnIntervalItCannotKeep) {
  for (const char* watch : {"0", "5x0", "x3", "five", "86401"}) {
    EXPECT_EQ(Run({"stats", "--watch", watch}), kExitUsage) << watch;
  }
  EXPECT_EQ(Agent().Frames().Total(), 0u) << "refused before touching the switch";
}

TEST_F(StatisticsCommandsTest, StatsUnitWritesSharedRegistersOnceAndVerifies) {
  ASSERT_EQ(Run({"stats-unit", "3,4", "rx", "frames", "--json"}), kExitOk) << err.str();
  EXPECT_EQ(Switch().Peek(0x0701), 0x0041u);
  EXPECT_TRUE(Prints(R"({"port": "3", "counter": "rx", "unit": "frames", "changed": true})")) << out.str();
  EXPECT_EQ(UnitWrites(), 1u);

  Agent().ClearHistory();
  ASSERT_EQ(Run({"stats-unit", "3", "rx", "frames"}), kExitOk);
  EXPECT_EQ(UnitWrites(), 0u);
  EXPECT_TRUE(Prints("no"));

  // The menu offers no transmit CRC-error unit, so neither does the command.
  EXPECT_EQ(Run({"stats-unit", "G2", "tx", "crc"}), kExitUsage);
  EXPECT_EQ(Switch().Peek(0x070C), 0u);
  EXPECT_EQ(Run({"stats-unit", "3", "rx", "packets"}), kExitUsage);
  EXPECT_EQ(Run({"stats-unit", "3", "both", "frames"}), kExitUsage);
}

TEST_F(StatisticsCommandsTest, StatsUnitWhoseReadBackCannotBeCheckedAgainSaysTheSwitchWasLost) {
  ASSERT_EQ(Run({"stats-unit", "3", "rx", "frames"}), kExitOk);
  const uint64_t getsPerRun = Agent().Frames().gets;
  Agent().ClearHistory();
  // The same run back to bytes: its read-back (port 3's third get) takes a stale copy of the
  // register, and the fence read that should decide it gets no answer.
  Agent().Faults().Add({.kind = sim::FaultKind::kStale,
                        .target = sim::FaultTarget::kGet,
                        .from = 3,
                        .count = 1,
                        .reg = uint16_t{0x0701}});
  Agent().Faults().Add(
      {.target = sim::FaultTarget::kGet, .from = getsPerRun + 1, .count = RegisterEngine::kAsksPerRead});
  EXPECT_EQ(Run({"stats-unit", "3", "rx", "bytes"}), kExitSwitchLost) << err.str();
}

}  // namespace
}  // namespace velkor::cli
