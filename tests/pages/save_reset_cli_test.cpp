// velkorctl's save, factory-reset and describe against the emulator, on virtual time.

#include <gtest/gtest.h>

#include "cli/exit_codes.h"
#include "support/emulated_ctl.h"

namespace velkor::cli {
namespace {

class SaveResetCliTest : public testing::EmulatedCtlTest {};

TEST_F(SaveResetCliTest, MicrocontrollerSaveEndsWhenTheMicrocontrollerHasSaved) {
  Start(6);
  Switch().Write(0x060A, 0x0F0F);
  const uint64_t start = clock.NowUs();
  EXPECT_EQ(Run({"save", "--json"}), kExitOk) << err.str();
  EXPECT_LT(clock.NowUs() - start, 10'000'000u) << "not the dialog's 600 s";
  EXPECT_EQ(out.str(), "{\"saved\": true}\n");
  segment.PowerCycleAll();
  EXPECT_EQ(Switch().Peek(0x060A), 0x0F0Fu);
}

TEST_F(SaveResetCliTest, SaveOfWhatTheEepromHoldsReportsNothingToSave) {
  Start(2);
  Switch().Write(0x060A, 0x0F0F);
  EXPECT_EQ(Run({"save", "--json"}), kExitOk) << err.str();
  EXPECT_EQ(out.str(), "{\"saved\": true}\n");
  EXPECT_EQ(Run({"save", "--json"}), kExitOk) << err.str();
  EXPECT_EQ(out.str(), "{\"nothing_to_save\": true}\n");
}

TEST_F(SaveResetCliTest, MicrocontrollerThatNeverSavesFailsAfterTheDialogsWait) {
  Start(6);
  Switch().Mcu()->SetStuck(true);
  const uint64_t start = clock.NowUs();
  EXPECT_EQ(Run({"save", "--json"}), kExitFailure);
  EXPECT_EQ(out.str().find("{\"error\": {\"code\": 1,"), 0u) << "a script reads no success";
  EXPECT_GE(clock.NowUs() - start, 600'000'000u);
  EXPECT_LT(clock.NowUs() - start, 610'000'000u);

  EXPECT_EQ(Run({"save"}), kExitRefused) << "the command bit is still pending";
  EXPECT_NE(err.str().find("交换机忙，请稍后再试。"), std::string::npos);
}

TEST_F(SaveResetCliTest, FactoryResetNeedsAConfirmation) {
  Start(2);
  Switch().Write(0x060A, 0x0F0F);
  terminal.replies = {"n"};
  EXPECT_EQ(Run({"factory-reset"}), kExitNotConnected);
  terminal.interactive = false;
  EXPECT_EQ(Run({"factory-reset", "--password", "vemix"}), kExitNotConnected);
  EXPECT_EQ(Switch().Peek(0x060A), 0x0F0Fu);

  EXPECT_EQ(Run({"factory-reset", "--password", "vemix", "--yes"}), kExitOk) << err.str();
  EXPECT_EQ(Switch().Peek(0x060A), 0xAFAFu);
}

TEST_F(SaveResetCliTest, SoftResetEndsWhenTheSwitchAnswersAgain) {
  Start(sim::SwitchSetup{.modelCode = 2, .timing = {.softResetUs = 1'000'000}});
  const uint64_t start = clock.NowUs();
  EXPECT_EQ(Run({"soft-reset", "--json"}), kExitOk) << err.str();
  EXPECT_EQ(out.str(), "{\"soft_reset\": true}\n");
  EXPECT_GE(clock.NowUs() - start, 1'000'000u);
  EXPECT_LT(clock.NowUs() - start, 5'000'000u) << "not a fixed five seconds";
  EXPECT_FALSE(Switch().Restarting());
}

TEST_F(SaveResetCliTest, SoftResetOfASwitchThatStaysAwayFails) {
  Start(sim::SwitchSetup{.modelCode = 2, .timing = {.softResetUs = 60'000'000}});
  const uint64_t start = clock.NowUs();
  EXPECT_EQ(Run({"soft-reset"}), kExitSwitchLost);
  EXPECT_LT(clock.NowUs() - start, 10'000'000u);
  EXPECT_TRUE(out.str().empty());
}

TEST_F(SaveResetCliTest, DescribeStoresWhatFitsAndShowsWhatIsStored) {
  Start(2);
  EXPECT_EQ(Run({"describe", "机房一号机柜上层交换机左侧", "--json"}), kExitOk) << err.str();
  EXPECT_EQ(out.str(), "{\"description\": \"机房一号机柜上层交换\"}\n");
  EXPECT_NE(err.str().find("at most 20 GBK bytes"), std::string::npos);
  EXPECT_EQ(Run({"describe", "--json"}), kExitOk);
  EXPECT_EQ(out.str(), "{\"description\": \"机房一号机柜上层交换\"}\n");

  Switch().Eeprom().SetByte(0x201, 0x5A);
  Switch().Eeprom().StickByte(0x201);
  EXPECT_EQ(Run({"describe", "x"}), kExitFailure);
}

}  // namespace
}  // namespace velkor::cli
