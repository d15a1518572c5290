#include "transport/link.h"

#include <gtest/gtest.h>

#include <sstream>

#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"

namespace velkor {
namespace {

constexpr Mac kMac{0x02, 0, 0, 0, 0, 0x42};

class LinkTest : public ::testing::Test {
 protected:
  VirtualClock clock;
  MemoryWire wire{clock};
  std::ostringstream errors;
  Link link{wire, errors};
};

TEST_F(LinkTest, ListsEthernetAdaptersWithMacAndAddressSkippingTheRest) {
  wire.AddDevice({"\\Device\\NPF_GenericDialupAdapter", "dial-up"}, std::nullopt, nullptr);
  wire.AddDevice({"tun0", "MS Tunnel Interface Driver"}, std::nullopt, nullptr);
  wire.AddDevice({"lo", "", 0x7F000001u, true}, std::nullopt, nullptr);
  wire.AddDevice({"any", "Pseudo-device", std::nullopt, false, false}, std::nullopt, nullptr);
  wire.AddDevice({"eth0", "", 0xC0A8010Au}, kMac, nullptr);
  wire.AddDevice({"eth1", "no mac known"}, std::nullopt, nullptr);
  ASSERT_EQ(link.EnumerateAdapters(), 0);
  ASSERT_EQ(link.AdapterCount(), 2u);
  EXPECT_EQ(link.Adapter(0)->name, "eth0");
  EXPECT_EQ(link.Adapter(0)->description, "");
  EXPECT_EQ(*link.AdapterMacText(0), "02:00:00:00:00:42");
  EXPECT_EQ(*link.AdapterIpText(0), "192.168.1.10");
  EXPECT_EQ(link.Adapter(0)->ip, 0xC0A8010Au);
  EXPECT_EQ(*link.AdapterMacText(1), "00:00:00:00:00:00");
  EXPECT_EQ(*link.AdapterIpText(1), "");
  EXPECT_FALSE(link.AdapterMacText(2));
  EXPECT_FALSE(link.AdapterIpText(2));
}

TEST_F(LinkTest, TableHoldsSixteenAdaptersAndTruncatesLongNames) {
  for (int i = 0; i < 20; ++i)
    wire.AddDevice({"eth" + std::to_string(i) + std::string(70, 'x'), std::string(90, 'd')}, kMac, nullptr);
  link.EnumerateAdapters();
  EXPECT_EQ(link.AdapterCount(), kMaxAdapters);
  EXPECT_EQ(link.Adapter(0)->name.size(), 59u);
  EXPECT_EQ(link.Adapter(0)->description.size(), 79u);
}

TEST_F(LinkTest, ListingFailureIsReported) {
  wire.FailDeviceListing(true);
  EXPECT_EQ(link.EnumerateAdapters(), -1);
  EXPECT_EQ(errors.str(), "Error in pcap_findalldevs: no devices could be listed\n");
}

TEST_F(LinkTest, OpenChannelsFailures) {
  wire.AddDevice({"eth0"}, kMac, nullptr);
  wire.AddDevice({"wlan0"}, kMac, nullptr);
  link.EnumerateAdapters();
  EXPECT_EQ(link.OpenChannels(2), -1);
  EXPECT_EQ(link.SendChannel(), nullptr);

  wire.SetLinkType("wlan0", 105);
  EXPECT_EQ(link.OpenChannels(1), -1);
  EXPECT_NE(errors.str().find("\nThis program works only on Ethernet networks.\n"), std::string::npos);

  wire.FailOpen("eth0", true);
  EXPECT_EQ(link.OpenChannels(0), -1);
  EXPECT_NE(errors.str().find("Unable to open the adapter. Not supported by WinPcap\n"), std::string::npos);

  wire.FailOpen("eth0", false);
  EXPECT_EQ(link.OpenChannels(0), 0);
  EXPECT_EQ(link.AdapterMac(), kMac);
  EXPECT_NE(link.RegisterChannel(), nullptr);
  link.CloseChannels();
  EXPECT_EQ(link.DiscoveryChannel(), nullptr);
  EXPECT_EQ(link.SetRegisterFilter(kMac), -1);
}

TEST_F(LinkTest, TheSendingChannelQueuesNothingItWouldNeverRead) {
  wire.AddDevice({"eth0"}, kMac, nullptr);
  link.EnumerateAdapters();
  ASSERT_EQ(link.OpenChannels(0), 0);
  std::vector<uint8_t> frame(60, 0);
  std::copy(kMac.begin(), kMac.end(), frame.begin());
  wire.Inject("eth0", {0, frame});
  int sent = 0, heard = 0;
  link.SendChannel()->DispatchPending([&](std::span<const uint8_t>) { ++sent; });
  link.DiscoveryChannel()->DispatchPending([&](std::span<const uint8_t>) { ++heard; });
  EXPECT_EQ(sent, 0);
  EXPECT_EQ(heard, 1);
  EXPECT_EQ(FrameFilter::Nothing().ToBpf(), "len = 0");
}

TEST(FrameFilter, TextsAndMatchingAgree) {
  const Mac host{0x02, 0, 0, 0, 0, 0x0A};
  const Mac sw{0x00, 0xE0, 0x4C, 0xAB, 0xCD, 0xEF};
  EXPECT_EQ((FrameFilter{host, std::nullopt}.ToBpf()),
            "(len = 64 or len = 60) and ether dst 02:00:00:00:00:0a");
  const FrameFilter both{host, sw};
  EXPECT_EQ(both.ToBpf(),
            "(len = 64 or len = 60) and ether src 00:e0:4c:ab:cd:ef and ether dst 02:00:00:00:00:0a");
  std::vector<uint8_t> f(60, 0);
  std::copy(host.begin(), host.end(), f.begin());
  std::copy(sw.begin(), sw.end(), f.begin() + 6);
  EXPECT_TRUE(both.Matches(f));
  f[11] = 0;
  EXPECT_FALSE(both.Matches(f));
  EXPECT_TRUE((FrameFilter{host, std::nullopt}.Matches(f)));
  f.resize(62);
  EXPECT_FALSE((FrameFilter{host, std::nullopt}.Matches(f)));
}

}  // namespace
}  // namespace velkor
