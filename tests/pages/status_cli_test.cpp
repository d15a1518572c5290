// velkorctl status against the emulator, on virtual time.

#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "support/emulated_ctl.h"

namespace velkor::cli {
namespace {

class StatusCliTest : public testing::EmulatedCtlTest {
 protected:
  void SetUp() override { Start(1); }
};

TEST_F(StatusCliTest, ShowsThePortsAndWatchesChangesOnly) {
  for (uint8_t p = 0; p < 26; ++p) Switch().SetLinkStatus(p, 0x10 | 0x04 | 0x01 | 0x20);  // 100M full, pause
  EXPECT_EQ(Run({"status", "3", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, R"([{"port": "3", "state": "on", "link": "up", "speed": "100M Full", "pause": "on", )"
                        R"("trunk_error": "no"}])"))
      << out.str();

  EXPECT_EQ(Run({"status", "3", "--watch", "2x3", "--json"}), kExitOk) << err.str();
  EXPECT_EQ(out.str(), "{\"done\": true}\n") << "nothing changed";
  // From the second reading on the trunk error flags stay unanswered: one change, time-stamped.
  Agent().Faults().Add({.kind = sim::FaultKind::kLose,
                        .target = sim::FaultTarget::kGet,
                        .from = 2,
                        .count = 1000,
                        .reg = 0x0102});
  EXPECT_EQ(Run({"status", "3", "--watch", "2x3", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, R"("port": "3", "state": "on", "link": "up", "speed": "100M Full", "pause": "on", )"
                        R"("trunk_error": "?", "time": ")"))
      << out.str();
  const std::string record = R"("port": "03")";
  EXPECT_EQ(out.str().find(record, out.str().find(record) + 1), std::string::npos)
      << "one change, one record";
}

TEST_F(StatusCliTest, ALostReplyIsNoValue) {
  Agent().Faults().Add({.kind = sim::FaultKind::kLose, .target = sim::FaultTarget::kGet, .reg = 0x0619 + 1});
  EXPECT_EQ(Run({"status", "3"}), kExitSwitchLost);
  EXPECT_TRUE(Says(out, "?"));
}

}  // namespace
}  // namespace velkor::cli
