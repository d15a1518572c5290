// Each velkorctl command is a connection of its own: what it shows of the descriptions must be the
// switch's, read on that connection, whatever the model.

#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "support/emulated_ctl.h"

namespace velkor::cli {
namespace {

class DescriptionsTest : public testing::EmulatedCtlTest, public ::testing::WithParamInterface<uint8_t> {};

TEST_P(DescriptionsTest, PortsShowTheDescriptionThatWasJustWritten) {
  Start(GetParam());
  ASSERT_EQ(Run({"port-describe", "1", "desk"}), kExitOk) << err.str();
  ASSERT_EQ(Run({"ports", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, R"("description": "desk")")) << out.str();
}

INSTANTIATE_TEST_SUITE_P(EveryModel, DescriptionsTest, ::testing::Values(1, 2, 3, 4, 6, 7));

}  // namespace
}  // namespace velkor::cli
