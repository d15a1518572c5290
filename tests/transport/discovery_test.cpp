#include "transport/discovery.h"

#include <gtest/gtest.h>

#include "device/cascade.h"
#include "support/transport_rig.h"

namespace velkor {
namespace {

using testing::FakeSwitch;
using testing::kHostMac;

struct HelloSpec {
  Mac sw;
  uint8_t localPort = 1;
  uint8_t peerPort = 0;
  Mac peer{};
  uint8_t model = 1;
  bool tagged = false;
};

std::vector<uint8_t> Hello(const HelloSpec& h) {
  auto f = FakeSwitch::Reply(kHostMac, h.sw, 0x80, h.tagged);
  const size_t s = h.tagged ? 4 : 0;
  f[18 + s] = h.localPort;
  f[19 + s] = h.peerPort;
  std::copy(h.peer.begin(), h.peer.end(), f.begin() + 20 + s);
  f[30 + s] = h.model;
  return f;
}

Mac SwitchMac(uint8_t n) { return {0x00, 0xE0, 0x4C, 0x00, 0x01, n}; }

class DiscoveryTest : public ::testing::Test {
 protected:
  // A segment that answers nothing by itself; tests inject the hello replies.
  FakeSwitch silent{SwitchMac(0xEE)};
  testing::TransportRig rig{silent};
  void SetUp() override { silent.answering = false; }
  void Arrive(const std::vector<uint8_t>& f, uint64_t atUs = 1000) { rig.wire.Inject("eth0", {atUs, f}); }
};

TEST_F(DiscoveryTest, SendsOneBroadcastHelloAndFindsNothingOnAnEmptySegment) {
  rig.discovery.Discover();
  ASSERT_EQ(rig.Sent().size(), 1u);
  EXPECT_EQ(rig.Sent()[0][15], 0x00);
  EXPECT_EQ(rig.discovery.HelloRecordCount(), 0u);
  EXPECT_EQ(rig.discovery.SwitchCount(), 0u);
}

TEST_F(DiscoveryTest, DuplicatesCollapseAndTwoPathsGiveOneSwitchWithTheLaterWords) {
  Arrive(Hello({SwitchMac(1), 1, 0, {}, 1}));
  Arrive(Hello({SwitchMac(1), 1, 0, {}, 1}));
  Arrive(Hello({SwitchMac(1), 2, 0, {}, 3}));
  Arrive(Hello({SwitchMac(2), 5, 9, SwitchMac(1), 6, true}));
  rig.discovery.Discover();
  ASSERT_EQ(rig.discovery.HelloRecordCount(), 3u);
  ASSERT_EQ(rig.discovery.SwitchCount(), 2u);
  EXPECT_EQ(rig.discovery.ModelCode(0), 3);
  EXPECT_EQ(rig.discovery.LocalPort(1), 2);
  EXPECT_EQ(*rig.discovery.SwitchMacTextOf(1), "00:E0:4C:00:01:02");
  EXPECT_EQ(rig.discovery.ModelCode(1), 6);
  EXPECT_EQ(rig.discovery.Hello(2)->peerMacText, "00:E0:4C:00:01:01");
  EXPECT_EQ(rig.discovery.Hello(2)->peerPort, 9);
  EXPECT_EQ(rig.discovery.Hello(0)->peerMacText, "00:00:00:00:00:00");
  EXPECT_EQ(rig.discovery.LocalPort(3), -1);
  EXPECT_FALSE(rig.discovery.SwitchMacText(3));
  EXPECT_EQ(rig.discovery.ModelCode(2), 0);
}

TEST_F(DiscoveryTest, HostileFloodNeverOverflowsTheTables) {
  for (int i = 0; i < 65; ++i) Arrive(Hello({SwitchMac(static_cast<uint8_t>(i)), 1}));
  for (int i = 0; i < 100; ++i) Arrive(Hello({SwitchMac(1), static_cast<uint8_t>(i + 2)}));
  rig.discovery.Discover();
  EXPECT_EQ(rig.discovery.HelloRecordCount(), 0u)
      << "more than the tables hold, and none proves to be a switch";
  EXPECT_EQ(rig.discovery.SwitchCount(), 0u);
}

TEST_F(DiscoveryTest, RepliesForOtherHostsAndLateRepliesAreNotRecorded) {
  auto other = Hello({SwitchMac(1)});
  other[5] ^= 0xFF;
  Arrive(other);
  Arrive(Hello({SwitchMac(2)}), 200000);  // after the single read
  rig.discovery.Discover();
  EXPECT_EQ(rig.discovery.SwitchCount(), 0u);
}

TEST_F(DiscoveryTest, AnAwaitedSwitchEndsTheWindowWithItsHelloAndOnlyThen) {
  Arrive(Hello({SwitchMac(2)}), 500);
  Arrive(Hello({SwitchMac(1)}), 3000);
  Arrive(Hello({SwitchMac(3)}), 20000);
  const uint64_t start = rig.clock.NowUs();
  rig.discovery.Discover(SwitchMac(1));
  EXPECT_EQ(rig.clock.NowUs() - start, 3000u);
  ASSERT_EQ(rig.discovery.SwitchCount(), 2u) << "what came before it is kept";
  EXPECT_EQ(rig.discovery.Switch(1)->mac, SwitchMac(1));

  Arrive(Hello({SwitchMac(4)}), rig.clock.NowUs() + 45000);
  const uint64_t second = rig.clock.NowUs();
  rig.discovery.Discover(SwitchMac(5));
  EXPECT_GE(rig.clock.NowUs() - second, 40000u) << "a switch that does not answer costs the whole window";
  EXPECT_EQ(rig.discovery.SwitchCount(), 2u) << "and the read after it, as without one awaited";
}

TEST_F(DiscoveryTest, IdentificationAndSelectionFollowTheSwitchAcrossRediscovery) {
  Arrive(Hello({SwitchMac(1)}));
  Arrive(Hello({SwitchMac(2)}));
  rig.discovery.Discover();
  rig.discovery.Select(1);
  rig.discovery.Switch(1)->identification.chipFamily = 2;

  const uint64_t t = rig.clock.NowUs();
  Arrive(Hello({SwitchMac(3)}), t + 1000);
  Arrive(Hello({SwitchMac(2)}), t + 1000);
  EXPECT_EQ(rig.discovery.RefindSelectedSwitch(), 0);
  EXPECT_EQ(rig.discovery.Selected(), 1u);
  EXPECT_EQ(rig.discovery.Switch(1)->mac, SwitchMac(2));
  EXPECT_EQ(rig.discovery.Switch(1)->identification.chipFamily, 2);
  EXPECT_EQ(rig.discovery.Switch(0)->identification.chipFamily, 0);

  Arrive(Hello({SwitchMac(3)}), rig.clock.NowUs() + 1000);
  EXPECT_EQ(rig.discovery.RefindSelectedSwitch(), -1);
  EXPECT_EQ(rig.discovery.Selected(), 1u);
  EXPECT_EQ(rig.discovery.SelectedMac(), SwitchMac(2));
  rig.engine.WriteRegister(0x0300, 1);
  EXPECT_TRUE(std::equal(rig.Sent().back().begin(), rig.Sent().back().begin() + 6, SwitchMac(2).begin()))
      << "requests still go to the connected switch";

  // A lost reply is no lost switch: the next hello finds it.
  Arrive(Hello({SwitchMac(2)}), rig.clock.NowUs() + 41000);
  EXPECT_EQ(rig.discovery.RefindSelectedSwitch(), 0);
  EXPECT_EQ(rig.discovery.Switch(rig.discovery.Selected())->mac, SwitchMac(2));
}

TEST_F(DiscoveryTest, ManagementPortIsTheLocalPortOfTheConnectedSwitchsHellos) {
  Arrive(Hello({SwitchMac(1), 4}));
  rig.discovery.Discover();
  rig.discovery.Select(0);
  int lost = 0;
  rig.discovery.SetLostSwitchHandler([&] { ++lost; });

  Arrive(Hello({SwitchMac(1), 4}), rig.clock.NowUs() + 1000);
  Arrive(Hello({SwitchMac(1), 6}), rig.clock.NowUs() + 1000);
  EXPECT_EQ(rig.discovery.IsManagementPort(6), 1);
  Arrive(Hello({SwitchMac(1), 4}), rig.clock.NowUs() + 1000);
  EXPECT_EQ(rig.discovery.IsManagementPort(5), 0);
  EXPECT_EQ(lost, 0);
  EXPECT_EQ(rig.discovery.IsManagementPort(4), -1);
  EXPECT_EQ(lost, 1);
}

// Hello replies are untrusted: whatever upstreams they name, the tree holds each switch once and
// walking it ends.
TEST_F(DiscoveryTest, CascadeOfHostileRepliesPutsLoopsAndStrangersAtTheTop) {
  Arrive(Hello({SwitchMac(1), 1, 3, SwitchMac(1)}));  // its own upstream
  Arrive(Hello({SwitchMac(2), 1, 4, SwitchMac(4)}));  // 2 behind 4, 4 behind 3, 3 behind 2
  Arrive(Hello({SwitchMac(3), 1, 5, SwitchMac(2)}));
  Arrive(Hello({SwitchMac(4), 1, 6, SwitchMac(3)}));
  Arrive(Hello({SwitchMac(5), 1, 7, SwitchMac(0x99)}));  // behind a switch that did not answer
  Arrive(Hello({SwitchMac(6), 2, 8, SwitchMac(7)}));
  Arrive(Hello({SwitchMac(7), 3}));
  Arrive(Hello({SwitchMac(6), 4, 9, SwitchMac(1)}));  // a second path: the first one counts
  rig.discovery.Discover();
  ASSERT_EQ(rig.discovery.SwitchCount(), 7u);
  const Cascade cascade = BuildCascade(rig.discovery);
  EXPECT_EQ(cascade.roots, (std::vector<size_t>{0, 1, 4, 6}));
  EXPECT_TRUE(cascade.nodes[0].loopCut);
  EXPECT_TRUE(cascade.nodes[1].loopCut);
  EXPECT_EQ(cascade.nodes[1].children, std::vector<size_t>{2});
  EXPECT_EQ(cascade.nodes[2].children, std::vector<size_t>{3});
  EXPECT_TRUE(cascade.nodes[4].upstreamMissing);
  EXPECT_EQ(cascade.nodes[6].children, std::vector<size_t>{5});
  EXPECT_EQ(cascade.nodes[5].upstreamPort, 8);
  EXPECT_EQ(cascade.nodes[5].localPort, 2);
  size_t seen = 0;
  std::vector<size_t> stack = cascade.roots;
  while (!stack.empty() && seen <= cascade.nodes.size()) {
    const size_t i = stack.back();
    stack.pop_back();
    ++seen;
    stack.insert(stack.end(), cascade.nodes[i].children.begin(), cascade.nodes[i].children.end());
  }
  EXPECT_EQ(seen, cascade.nodes.size());
}

}  // namespace
}  // namespace velkor
