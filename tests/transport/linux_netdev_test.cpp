#include "transport/linux_netdev.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netpacket/packet.h>

#include <filesystem>
#include <fstream>

#include "transport/pcap_backend.h"

namespace velkor {
namespace {

namespace fs = std::filesystem;

// A throw-away /sys/class/net with the devices a test writes into it.
class FakeSysfs : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("velkor-sysfs-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(root);
  }
  void TearDown() override { fs::remove_all(root); }
  void Device(const std::string& name, const std::string& type, const std::string& address) {
    fs::create_directories(root / name);
    std::ofstream(root / name / "type") << type;
    std::ofstream(root / name / "address") << address;
  }
  fs::path root;
};

TEST_F(FakeSysfs, OnlyArphrdEtherCountsAsEthernet) {
  Device("eth0", "1\n", "02:00:00:00:00:01\n");
  Device("lo", "772\n", "00:00:00:00:00:00\n");
  Device("nflog", "824\n", "");
  Device("eth10", "10\n", "");  // must not match on the prefix "1"
  EXPECT_TRUE(IsEthernetDevice(root, "eth0"));
  EXPECT_FALSE(IsEthernetDevice(root, "lo"));
  EXPECT_FALSE(IsEthernetDevice(root, "nflog"));
  EXPECT_FALSE(IsEthernetDevice(root, "eth10"));
  EXPECT_FALSE(IsEthernetDevice(root, "any"));  // listed by the library, absent from sysfs
}

TEST_F(FakeSysfs, MacFromAddressFile) {
  Device("eth0", "1\n", "02:ab:cd:00:00:01\n");
  Device("dummy", "1\n", "garbage\n");
  EXPECT_EQ(SysfsMac(root, "eth0"), (Mac{0x02, 0xAB, 0xCD, 0, 0, 1}));
  EXPECT_FALSE(SysfsMac(root, "dummy"));
  EXPECT_FALSE(SysfsMac(root, "missing"));
}

TEST_F(FakeSysfs, DeviceNamesNeverEscapeTheRoot) {
  Device("eth0", "1\n", "02:00:00:00:00:01\n");
  fs::create_directories(root / "inner");
  const std::string inner = (root / "inner").string();
  EXPECT_FALSE(IsEthernetDevice(inner, "../eth0"));
  EXPECT_FALSE(SysfsMac(inner, "../eth0"));
  EXPECT_FALSE(IsEthernetDevice(root, ".."));
  EXPECT_FALSE(SysfsMac(root, ""));
}

TEST_F(FakeSysfs, BackendFallsBackToSysfsForAnUnlistedDevice) {
  Device("veth-test", "1\n", "02:00:00:00:00:07\n");
  PcapBackend backend(root.string());
  EXPECT_EQ(backend.AdapterMac("veth-test"), (Mac{0x02, 0, 0, 0, 0, 0x07}));
  EXPECT_FALSE(backend.AdapterMac("absent"));
}

TEST(PacketAddressTest, TakesSixByteLinkLayerAddressesOnly) {
  sockaddr_ll ll{};
  ll.sll_family = AF_PACKET;
  ll.sll_halen = 6;
  const uint8_t bytes[] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
  std::copy(std::begin(bytes), std::end(bytes), ll.sll_addr);
  const auto* address = reinterpret_cast<const sockaddr*>(&ll);
  EXPECT_EQ(PacketAddressMac(address), (Mac{0x02, 0x11, 0x22, 0x33, 0x44, 0x55}));
  ll.sll_halen = 0;  // e.g. a tunnel without a hardware address
  EXPECT_FALSE(PacketAddressMac(address));
  sockaddr_in in{};
  in.sin_family = AF_INET;
  EXPECT_FALSE(PacketAddressMac(reinterpret_cast<const sockaddr*>(&in)));
  EXPECT_FALSE(PacketAddressMac(nullptr));
}

// Read-only queries of the real system: nothing is opened or sent.
TEST(PcapBackendTest, ListsLoopbackAsNonEthernetAndRefusesUnknownDevices) {
  PcapBackend backend;
  std::vector<CaptureDevice> devices;
  std::string error;
  ASSERT_TRUE(backend.FindAllDevices(devices, error)) << error;
  for (const CaptureDevice& d : devices) {
    if (d.name != "lo") continue;
    EXPECT_TRUE(d.loopback);
    EXPECT_FALSE(d.ethernet);
    EXPECT_EQ(d.ipv4, 0x7F000001u);
  }
  OpenError failure;
  EXPECT_FALSE(backend.Open("velkor-no-such-if", {65536, false, 1}, failure));
  EXPECT_EQ(failure.kind, OpenFailure::kNoDevice);
  EXPECT_NE(failure.text.find("velkor-no-such-if"), std::string::npos);
}

}  // namespace
}  // namespace velkor
