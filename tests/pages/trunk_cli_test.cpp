// velkorctl trunk against the emulator, on virtual time.

#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "support/emulated_ctl.h"

namespace velkor::cli {
namespace {

class TrunkCliTest : public testing::EmulatedCtlTest {
 protected:
  void SetUp() override { Start(1); }
};

TEST_F(TrunkCliTest, EnablingAsksIsRefusedOnASplitAndLocksTheMembers) {
  // The factory port-based table splits every group.
  EXPECT_EQ(Run({"trunk", "enable", "10", "--yes"}), kExitRefused);
  EXPECT_TRUE(Says(err, "VLAN列表的第"));
  for (const auto& w : Agent().Writes()) EXPECT_NE(w.reg, 0x0307);

  ASSERT_EQ(Run({"vlan", "mode", "off", "--yes"}), kExitOk) << err.str();
  terminal.interactive = false;
  EXPECT_EQ(Run({"trunk", "enable", "10", "--password", "vemix"}), kExitNotConnected) << "not confirmed";
  terminal.interactive = true;
  EXPECT_EQ(Switch().Peek(0x0307) & 0xFF, 0u);
  EXPECT_EQ(Run({"trunk", "enable", "10", "--yes", "--json"}), kExitOk) << err.str();
  EXPECT_EQ(Switch().Peek(0x0307) & 0xFF, 0x08u) << "port 10 is chip port 9, group 3";
  EXPECT_TRUE(Says(out, R"({"group": 3, "ports": "9,10,11,12", "enabled": "yes", "error": "no"})"));
  EXPECT_EQ(Run({"port-set", "11", "--state", "off"}), kExitRefused);

  EXPECT_EQ(Run({"trunk", "disable", "12"}), kExitOk) << err.str();
  EXPECT_EQ(Switch().Peek(0x0307) & 0xFF, 0u);
}

TEST_F(TrunkCliTest, ALostReadIsNoValue) {
  Agent().Faults().Add({.kind = sim::FaultKind::kLose, .target = sim::FaultTarget::kGet, .reg = 0x0307});
  EXPECT_EQ(Run({"trunk"}), kExitSwitchLost);
  EXPECT_TRUE(Says(out, "?"));
}

}  // namespace
}  // namespace velkor::cli
