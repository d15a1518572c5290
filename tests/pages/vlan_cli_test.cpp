// velkorctl vlan against the emulator, on virtual time.

#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "support/emulated_ctl.h"

namespace velkor::cli {
namespace {

class VlanCliTest : public testing::EmulatedCtlTest {
 protected:
  void SetUp() override { Start(1); }
};

TEST_F(VlanCliTest, Dot1qGroupsAndMapping) {
  EXPECT_EQ(Run({"vlan", "mode", "dot1q", "--yes"}), kExitOk) << err.str();
  EXPECT_EQ(Run({"vlan", "group", "2", "--vid", "10", "--ports", "1-4"}), kExitOk) << err.str();
  EXPECT_EQ(Run({"vlan", "map", "1,2", "2"}), kExitOk) << err.str();
  EXPECT_EQ(Run({"vlan", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, R"({"kind": "vlan", "mode": "dot1q", "drop_untagged": false)"));
  EXPECT_TRUE(Says(out, R"({"kind": "port", "port": "2", "tag": "keep", "group": 2})"));
  EXPECT_TRUE(Says(out, R"({"kind": "group", "group": 2, "vid": 10, "ports": "1,2,3,4"})"));
  EXPECT_EQ(Run({"vlan", "tag", "3", "remove"}), kExitOk) << err.str();
  EXPECT_EQ(Switch().Peek(0x0319) >> 6 & 3, 0u) << "port 3 is chip port 3";
}

TEST_F(VlanCliTest, RefusalsSayWhyAndWriteNothing) {
  EXPECT_EQ(Run({"vlan", "mode", "dot1q", "--yes"}), kExitOk) << err.str();
  Agent().ClearHistory();
  EXPECT_EQ(Run({"vlan", "group", "2", "--vid", "1", "--ports", "1"}), kExitRefused);
  EXPECT_TRUE(Says(err, "此VLAN ID已经被其他VLAN组使用。"));
  for (const char* vid : {"0", "4095", "12a", "+5"})
    EXPECT_EQ(Run({"vlan", "group", "2", "--vid", vid, "--ports", "1"}), kExitRefused) << vid;
  EXPECT_EQ(Run({"vlan", "group", "1", "--ports", "none"}), kExitRefused);
  EXPECT_TRUE(Says(err, "此VLAN组不能为空。"));
  EXPECT_EQ(Run({"vlan", "map", "1", "3"}), kExitRefused) << "group 3 does not hold port 1";
  Switch().Poke(0x037F, Switch().Peek(0x0217));  // the page then hides the management VID
  EXPECT_EQ(Run({"vlan", "mgmt-vid", "5"}), kExitRefused);
  EXPECT_EQ(Run({"vlan", "add-group", "1,2"}), kExitRefused) << "a port-based command";
  for (const auto& w : Agent().Writes()) EXPECT_FALSE(w.reg >= 0x030B && w.reg <= 0x037F) << w.reg;

  terminal.interactive = false;
  EXPECT_EQ(Run({"vlan", "mode", "port", "--password", "vemix"}), kExitNotConnected) << "not confirmed";
  EXPECT_EQ(Run({"vlan", "mode", "port", "--password", "vemix", "--yes"}), kExitOk) << err.str();
  EXPECT_EQ(Run({"vlan", "add-group", "1", "--password", "vemix"}), kExitRefused);
  EXPECT_TRUE(Says(err, "请设置2个或2个以上端口作为VLAN组的成员。"));
}

TEST_F(VlanCliTest, PortBasedAllowAndClear) {
  ASSERT_EQ(Run({"vlan", "mode", "off", "--yes"}), kExitOk) << err.str();
  ASSERT_EQ(Run({"vlan", "mode", "port"}), kExitOk) << err.str();
  terminal.replies = {"y"};
  ASSERT_EQ(Run({"vlan", "clear-table"}), kExitOk) << err.str();
  EXPECT_EQ(Run({"vlan", "allow", "5", "1,2", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, R"({"kind": "port", "port": "5", "peers": "1,2"})"));
  EXPECT_TRUE(Says(out, R"({"kind": "port", "port": "1", "peers": "5"})"));
}

TEST_F(VlanCliTest, ALostControlReadIsNoValue) {
  Agent().Faults().Add({.kind = sim::FaultKind::kLose, .target = sim::FaultTarget::kGet, .reg = 0x030B});
  EXPECT_EQ(Run({"vlan", "--json"}), kExitSwitchLost);
  EXPECT_EQ(out.str().find("{\"error\": {\"code\": 6,"), 0u);
}

}  // namespace
}  // namespace velkor::cli
