#include <gtest/gtest.h>

#include <sstream>

#include "cli/exit_codes.h"
#include "cli/run_ctl.h"
#include "support/fake_switch.h"
#include "transport/memory_wire.h"

namespace velkor::cli {
namespace {

using testing::FakeSwitch;

constexpr Mac kHost{0x02, 0, 0, 0, 0, 0x01};
constexpr Mac kSwitch{0x00, 0xE0, 0x4C, 0x00, 0x00, 0x10};

class CtlTest : public ::testing::Test {
 protected:
  VirtualClock clock;
  MemoryWire wire{clock};
  FakeSwitch sw{kSwitch};
  std::ostringstream out, err;

  void SetUp() override { wire.AddDevice({"veth0", "", 0x0A000001u}, kHost, &sw); }
  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    return RunCtl(args, wire, clock, out, err);
  }
};

TEST_F(CtlTest, UsageErrors) {
  EXPECT_EQ(Run({}), kExitUsage);
  EXPECT_EQ(Run({"frobnicate"}), kExitUsage);
  EXPECT_EQ(Run({"get"}), kExitUsage);
  EXPECT_EQ(Run({"get", "0x10000"}), kExitUsage);
  EXPECT_EQ(Run({"get", "12abc"}), kExitUsage);
  EXPECT_EQ(Run({"get", "1", "--iface"}), kExitUsage);
  EXPECT_EQ(Run({"eeprom-get", "2047", "2"}), kExitUsage);
  EXPECT_EQ(Run({"get", "1", "--switch", "nonsense"}), kExitUsage);
  EXPECT_EQ(Run({"--help"}), kExitOk);
  EXPECT_NE(out.str().find("eeprom-set ADDR VALUE..."), std::string::npos);
}

TEST_F(CtlTest, InterfaceAndSwitchSelection) {
  EXPECT_EQ(Run({"get", "0x0207", "--iface", "eth9"}), kExitNoInterface);
  EXPECT_NE(err.str().find("no such Ethernet interface: eth9"), std::string::npos);
  wire.FailOpen("veth0", true);
  EXPECT_EQ(Run({"get", "0x0207"}), kExitCannotOpen);
  wire.FailOpen("veth0", false);
  EXPECT_EQ(Run({"get", "0x0207", "--switch", "00:E0:4C:00:00:11"}), kExitNoSwitch);
  sw.answering = false;
  EXPECT_EQ(Run({"get", "0x0207"}), kExitNoSwitch);
  EXPECT_EQ(Run({"discover"}), kExitNoSwitch);
}

TEST_F(CtlTest, ReadsAndWritesRegistersPlainAndJson) {
  sw.registers[0x0207] = 0x4140;
  EXPECT_EQ(Run({"get", "0x0207", "--switch", "00:e0:4c:00:00:10"}), kExitOk);
  EXPECT_EQ(out.str(), "register: 0x0207\nvalue: 0x4140\n");
  EXPECT_EQ(Run({"set", "519", "0x1234", "--json"}), kExitOk);
  EXPECT_EQ(out.str(), "{\"register\": \"0x0207\", \"written\": \"0x1234\"}\n");
  EXPECT_EQ(sw.registers[0x0207], 0x1234u);
  EXPECT_EQ(Run({"discover", "--json"}), kExitOk);
  EXPECT_EQ(out.str(),
            "[{\"mac\": \"00:E0:4C:00:00:10\", \"model\": 1, \"port\": 1, \"upstream\": \"00:00:00:00:00:00\", "
            "\"upstream_port\": 0}]\n");
}

TEST_F(CtlTest, LostReplyIsAnErrorNeverAZero) {
  sw.silent.insert(0x0100);
  EXPECT_EQ(Run({"get", "0x0100"}), kExitSwitchLost);
  EXPECT_EQ(out.str(), "");
  EXPECT_NE(err.str().find("did not answer"), std::string::npos);
}

TEST_F(CtlTest, EepromSetVerifiesEveryByte) {
  EXPECT_EQ(Run({"eeprom-set", "0x200", "0x41", "66"}), kExitOk);
  EXPECT_EQ(sw.eeprom[0x201], 66);
  EXPECT_EQ(Run({"eeprom-get", "0x200", "2"}), kExitOk);
  EXPECT_EQ(out.str(), "address: 0x200\nvalue: 0x41\n\naddress: 0x201\nvalue: 0x42\n");
  sw.stuckByte = 0x202;
  EXPECT_EQ(Run({"eeprom-set", "0x202", "7"}), kExitFailure);
  EXPECT_NE(err.str().find("reads back 0x00, not 0x07"), std::string::npos);
}

}  // namespace
}  // namespace velkor::cli
