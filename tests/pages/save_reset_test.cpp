#include "pages/switch/save_reset.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "device/default_images.h"
#include "device/message_table.h"
#include "pages/save_reset_rig.h"
#include "sim/config_block.h"

namespace velkor {
namespace {

using testing::MaintenanceRig;

std::string Text(MessageId id) { return std::string(Message(id)); }

class SaveResetTest : public ::testing::Test {
 protected:
  void Connect(uint8_t modelCode) {
    rig = std::make_unique<MaintenanceRig>(modelCode);
    ASSERT_TRUE(rig->connected);
    description = std::make_unique<SwitchDescription>(rig->connection, rig->transport.blocks, rig->prompter,
                                                      rig->busy, descriptionView);
    page = std::make_unique<SaveReset>(rig->context, statistics, *description, view);
  }

  uint16_t EepromWord(size_t blockOffset) {
    const uint16_t addr = static_cast<uint16_t>(sim::kConfigBlockFirstByte + blockOffset);
    return static_cast<uint16_t>(Eeprom(addr) | Eeprom(addr + 1) << 8);
  }
  uint8_t Eeprom(uint16_t addr) { return rig->Switch().Eeprom().Byte(addr); }
  void FillEeprom(uint16_t first, uint16_t last, uint8_t value) {
    for (uint32_t a = first; a <= last; ++a) rig->Switch().Eeprom().SetByte(static_cast<uint16_t>(a), value);
  }
  size_t WritesTo(uint16_t reg) {
    const auto& w = rig->Agent().Writes();
    return std::count_if(w.begin(), w.end(), [&](const sim::ReceivedWrite& x) { return x.reg == reg; });
  }
  bool Shown(MessageId id) {
    const auto texts = rig->Texts();
    return std::find(texts.begin(), texts.end(), Text(id)) != texts.end();
  }

  std::unique_ptr<MaintenanceRig> rig;
  testing::RecordingStatistics statistics;
  testing::RecordingSaveResetView view;
  testing::FakeDescriptionView descriptionView;
  std::unique_ptr<SwitchDescription> description;
  std::unique_ptr<SaveReset> page;
};

// Every register the chip loads at power-on gets a value of its own, the key register included;
// the port the host reaches the switch through stays switched on.
void GiveEveryBlockRegisterItsOwnValue(sim::EmulatedSwitch& sw) {
  uint16_t value = 0x1100;
  const uint16_t hostPortOff = static_cast<uint16_t>(1u << (sw.LocalPort() & 15));
  sim::ForEachBlockRegister([&](uint16_t reg, size_t) {
    const bool portOff = reg == sim::EmulatedSwitch::kPortOffRegister + (sw.LocalPort() > 15 ? 1 : 0);
    sw.Poke(reg, portOff ? value++ & ~hostPortOff : value++);
  });
}

TEST_F(SaveResetTest, SaveStoresEveryLiveRegisterAndTheTemplatesGapBytes) {
  struct Case {
    uint8_t modelCode;
    std::vector<std::pair<uint16_t, uint8_t>> gaps;
  };
  const std::vector<std::pair<uint16_t, uint8_t>> f16Gaps{
      {0x052, 0xEC}, {0x053, 0x06}, {0x054, 0}, {0x064, 0}, {0x06C, 0}, {0x02A, 0}, {0x07F, 0}};
  const std::vector<Case> cases{
      {2,
       {{0x052, 0x08},
        {0x05F, 0x15},
        {0x062, 0x16},
        {0x063, 0x17},
        {0x064, 0xFF},
        {0x067, 0xFF},
        {0x06C, 0xFF},
        {0x06F, 0xFF},
        {0x02A, 0},
        {0x034, 0},
        {0x074, 0},
        {0x07E, 0}}},
      {1, f16Gaps},
      {3, f16Gaps},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(int{c.modelCode});
    Connect(c.modelCode);
    GiveEveryBlockRegisterItsOwnValue(rig->Switch());
    FillEeprom(0x022, 0x17D, 0x77);
    rig->prompter.Script(Answer::kYes);
    EXPECT_EQ(page->Button24Click(), Outcome::kDone);

    sim::ForEachBlockRegister([&](uint16_t reg, size_t offset) {
      EXPECT_EQ(EepromWord(offset), rig->Switch().Peek(reg)) << std::hex << reg;
    });
    for (const auto& [addr, byte] : c.gaps) EXPECT_EQ(Eeprom(addr), byte) << std::hex << addr;
    EXPECT_EQ(rig->progress.maximum, 351);
    EXPECT_EQ(rig->progress.steps, 351);
    EXPECT_FALSE(rig->connection.State().unsaved);
    EXPECT_EQ(rig->Texts().back(), Text(MessageId::kSaveDone));
    EXPECT_EQ(statistics.calls, (std::vector<std::string>{"Stop", "Idle"}));
    statistics.calls.clear();
  }
}

TEST_F(SaveResetTest, SaveWritesOnlyTheBytesOfChangedRegistersAndVerifiesTheWholeBlock) {
  Connect(2);
  ASSERT_EQ(page->SaveSettings(), Outcome::kDone);
  EXPECT_EQ(page->SettingsUnsaved(), false);
  const auto eepromCommands = [&](bool reads) {
    std::vector<uint16_t> addrs;
    for (const auto& w : rig->Agent().Writes())
      if (w.reg == 0x0217 && ((w.value & 0x0800) != 0) == reads) addrs.push_back(w.value & 0x7FF);
    return addrs;
  };
  rig->Agent().ClearHistory();
  ASSERT_EQ(page->SaveSettings(), Outcome::kDone);
  EXPECT_EQ(page->LastSaveWritten(), 0u);
  EXPECT_TRUE(eepromCommands(false).empty()) << "an unchanged configuration wears nothing";

  rig->Switch().Poke(0x060B, 0x0F0F);  // the advertisement bytes of chip ports 2 and 3
  EXPECT_EQ(page->SettingsUnsaved(), true);
  rig->Agent().ClearHistory();
  ASSERT_EQ(page->SaveSettings(), Outcome::kDone);
  EXPECT_EQ(eepromCommands(false), (std::vector<uint16_t>{0x03C, 0x03D}));
  EXPECT_EQ(eepromCommands(true).size(), 2 * 348u) << "read first, and all read back";
  EXPECT_EQ(EepromWord(0x03C - 0x22), 0x0F0F);
  EXPECT_EQ(page->SettingsUnsaved(), false);
}

TEST_F(SaveResetTest, SavedSettingsSurviveAPowerCycleAndUnsavedOnesDoNot) {
  Connect(2);
  RegisterEngine& engine = rig->transport.engine;
  engine.WriteRegister(0x060A, 0x0F0F);
  ASSERT_EQ(page->SaveSettings(), Outcome::kDone);
  rig->segment.PowerCycleAll();
  EXPECT_EQ(engine.ReadRegister(0x060A).value, 0x0F0Fu);

  engine.WriteRegister(0x060A, 0x0A0A);
  rig->segment.PowerCycleAll();
  EXPECT_EQ(engine.ReadRegister(0x060A).value, 0x0F0Fu);
}

TEST_F(SaveResetTest, SaveThatDoesNotVerifyIsFatalAndKeepsTheSettingsUnsaved) {
  Connect(2);
  rig->Switch().Eeprom().SetByte(0x100, 0x5A);  // a byte the save would change
  rig->Switch().Eeprom().StickByte(0x100);
  EXPECT_EQ(page->SaveSettings(), Outcome::kFatal);
  EXPECT_TRUE(rig->connection.State().unsaved);
  EXPECT_TRUE(rig->connection.State().fatal);
  EXPECT_EQ(rig->Texts(), (std::vector<std::string>{Text(MessageId::kCriticalOperationFailed)}));
}

sim::ReplyFault LoseGetsOf(uint16_t reg, uint64_t count = 0) {
  return {.kind = sim::FaultKind::kLose, .target = sim::FaultTarget::kGet, .count = count, .reg = reg};
}

TEST_F(SaveResetTest, RegisterThatMissedAReplyIsAskedAgainAndSaved) {
  Connect(2);
  rig->Switch().Poke(0x0400, 0x1234);
  rig->Switch().Poke(0x037E, 0x5678);
  rig->Agent().Faults().Add(LoseGetsOf(0x0400, 1));
  rig->Agent().Faults().Add(LoseGetsOf(0x037E, 2));
  EXPECT_EQ(page->SaveSettings(), Outcome::kDone);
  EXPECT_EQ(EepromWord(0x2E - 0x22), 0x1234);
  EXPECT_EQ(EepromWord(0x98 - 0x22 + 2 * 114), 0x5678);
  EXPECT_FALSE(rig->connection.State().fatal);
}

TEST_F(SaveResetTest, RegisterThatNeverAnswersWritesNothingAndKeepsTheProgram) {
  Connect(2);
  const auto before = rig->Switch().Eeprom().Bytes();
  rig->Agent().Faults().Add(LoseGetsOf(0x0400));
  EXPECT_EQ(page->SaveSettings(), Outcome::kNoAnswer);
  EXPECT_EQ(rig->Switch().Eeprom().Bytes(), before);
  EXPECT_TRUE(rig->connection.State().unsaved);
  EXPECT_FALSE(rig->connection.State().fatal);
  EXPECT_TRUE(rig->connection.State().connected);
  EXPECT_EQ(rig->Texts(), (std::vector<std::string>{Text(MessageId::kSwitchInfoReadError)}));
}

TEST_F(SaveResetTest, UnansweredPlaceholderKeepsTheWordTheEepromHolds) {
  Connect(1);
  rig->Switch().Eeprom().SetByte(0x060, 0xAB);
  rig->Switch().Eeprom().SetByte(0x061, 0xCD);
  rig->Switch().Poke(0xFFFF, 0x1111);
  rig->Switch().Poke(0x037E, 0x5678);  // the last register, after the placeholder
  rig->Agent().Faults().Add(LoseGetsOf(0xFFFF));
  EXPECT_EQ(page->SaveSettings(), Outcome::kDone);
  EXPECT_EQ(EepromWord(0x60 - 0x22), 0xCDAB);
  EXPECT_EQ(EepromWord(0x98 - 0x22 + 2 * 114), 0x5678);
  EXPECT_FALSE(rig->connection.State().unsaved);
}

TEST_F(SaveResetTest, SwitchLostDuringSaveIsFatalOnlyOnceTheEepromIsTouched) {
  // Reading the image and the block takes well over 10 ms; writing the whole block takes seconds.
  for (const auto& [silentAfterUs, outcome] :
       {std::pair{10'000u, Outcome::kSwitchLost}, std::pair{1'000'000u, Outcome::kFatal}}) {
    Connect(1);
    FillEeprom(0x022, 0x17D, 0x77);
    rig->Agent().ClearHistory();
    rig->Agent().StopAnswering(rig->clock.NowUs() + silentAfterUs);
    EXPECT_EQ(page->SaveSettings(), outcome);
    EXPECT_EQ(rig->progress.maximum, 351) << "past the first connection check";
    EXPECT_TRUE(rig->connection.State().unsaved);
    EXPECT_EQ(rig->connection.State().fatal, outcome == Outcome::kFatal);
    EXPECT_EQ(WritesTo(0x0218) == 0, outcome == Outcome::kSwitchLost) << "EEPROM bytes written";
  }
}

TEST_F(SaveResetTest, FactoryResetRestoresTheDefaultsAndRestartsTheChip) {
  Connect(1);
  FillEeprom(0x200, 0x2E9, 'x');
  rig->Switch().Poke(0x0300, 0x7777);
  rig->Switch().Poke(0x0209, 0x1234);  // a key the reset must leave alone
  rig->Switch().Poke(0x0700, 0x0FFF);
  rig->Agent().ClearHistory();
  rig->prompter.Script(Answer::kYes);
  EXPECT_EQ(page->Button5Click(), Outcome::kDone);

  const ConfigImage& block = *DefaultBlockFor(1);
  for (size_t i = 0; i < block.size(); ++i)
    ASSERT_EQ(Eeprom(static_cast<uint16_t>(0x022 + i)), block[i]) << i;
  for (uint16_t a = 0x200; a <= 0x2E9; ++a) ASSERT_EQ(Eeprom(a), 0) << std::hex << a;
  EXPECT_EQ(rig->transport.cache.switchDescription[0], 0);
  EXPECT_EQ(rig->Switch().Peek(0x0300), 0x0004u);
  EXPECT_EQ(rig->Switch().Peek(0x0209), 0x1234u);
  EXPECT_EQ(WritesTo(0x0209), 0u);
  ASSERT_EQ(WritesTo(0x0000), 1u);
  EXPECT_EQ(rig->progress.maximum, 468);
  EXPECT_EQ(rig->progress.steps, 468);
  // Chip ports 0-15: all three units of every Fast Ethernet port count frames.
  for (uint16_t reg = 0x0700; reg <= 0x0707; ++reg) EXPECT_EQ(rig->Switch().Peek(reg), 0x0555u) << reg;
  EXPECT_EQ(WritesTo(0x0708), 0u);
  EXPECT_EQ(statistics.calls, (std::vector<std::string>{"Stop", "FactoryUnits"}));
  EXPECT_FALSE(rig->connection.State().unsaved);
  EXPECT_EQ(rig->Texts().back(), Text(MessageId::kFactoryResetDone));
}

TEST_F(SaveResetTest, FactoryResetOfTheG17AKeepsTheDescriptions) {
  Connect(4);
  FillEeprom(0x200, 0x2E9, 'x');
  rig->prompter.Script(Answer::kYes);
  page->Button5Click();
  for (uint16_t a = 0x200; a <= 0x2E9; ++a) ASSERT_EQ(Eeprom(a), 'x') << std::hex << a;
  const ConfigImage& block = *DefaultBlockFor(4);
  for (size_t i = 0; i < block.size(); ++i)
    ASSERT_EQ(Eeprom(static_cast<uint16_t>(0x022 + i)), block[i]) << i;
  EXPECT_EQ(rig->Texts().back(), Text(MessageId::kFactoryResetDone));
}

TEST_F(SaveResetTest, FactoryResetOf24PortsLeavesTheGigabitUnitRegister) {
  Connect(3);
  rig->Switch().Poke(0x070C, 0x0ABC);  // chip ports 24 and 25: the gigabit ports
  rig->prompter.Script(Answer::kYes);
  page->Button5Click();
  for (uint16_t reg = 0x0700; reg <= 0x070B; ++reg) EXPECT_EQ(rig->Switch().Peek(reg), 0x0555u) << reg;
  EXPECT_EQ(rig->Switch().Peek(0x070C), 0x0ABCu);
}

TEST_F(SaveResetTest, FactoryResetWhoseBlockDoesNotVerifyIsFatal) {
  Connect(2);
  rig->Switch().Eeprom().SetByte(0x030, 0x5A);  // 0 in the default block
  rig->Switch().Eeprom().StickByte(0x030);
  rig->prompter.Script(Answer::kYes);
  EXPECT_EQ(page->Button5Click(), Outcome::kFatal);
  EXPECT_TRUE(rig->connection.State().fatal);
  EXPECT_TRUE(rig->connection.State().unsaved);
  EXPECT_EQ(WritesTo(0x0000), 0u) << "no restart after a failed block";
  EXPECT_FALSE(Shown(MessageId::kFactoryResetDone));
}

TEST_F(SaveResetTest, FactoryResetWhoseRestartGoesUnansweredIsNotFatal) {
  Connect(2);
  rig->Agent().Faults().Add(LoseGetsOf(0x0000));
  rig->prompter.Script(Answer::kYes);
  EXPECT_EQ(page->Button5Click(), Outcome::kNotVerified);
  EXPECT_FALSE(rig->connection.State().fatal);
  EXPECT_TRUE(rig->connection.State().unsaved);
  EXPECT_EQ(rig->Texts().back(), Text(MessageId::kSwitchInfoReadError));
}

TEST_F(SaveResetTest, AnythingButYesSendsNothing) {
  Connect(2);
  for (Answer answer : {Answer::kNo, Answer::kCancel}) {
    const size_t frames = rig->FramesSent();
    rig->prompter.Script(answer);
    EXPECT_EQ(page->Button24Click(), Outcome::kNotConfirmed);
    rig->prompter.Script(answer);
    EXPECT_EQ(page->Button5Click(), Outcome::kNotConfirmed);
    EXPECT_EQ(rig->FramesSent(), frames);
  }
  EXPECT_TRUE(statistics.calls.empty());
  const std::string save = Text(MessageId::kConfirmSave), reset = Text(MessageId::kConfirmFactoryReset);
  EXPECT_EQ(rig->Texts(), (std::vector<std::string>{save, reset, save, reset}));
}

TEST_F(SaveResetTest, MicrocontrollerSaveEndsWithinATickOfTheCommandBitClearing) {
  Connect(6);
  rig->Switch().Mcu()->SetDelayUs(5'000'000);
  rig->transport.engine.WriteRegister(0x060A, 0x0F0F);
  const uint64_t start = rig->clock.NowUs();
  EXPECT_EQ(page->SaveSettings(), Outcome::kDone);
  ASSERT_EQ(rig->progress.spinners.size(), 1u);
  EXPECT_EQ(rig->progress.spinners[0], (std::pair<std::string, int>{Text(MessageId::kSaving), 300}));
  EXPECT_GE(rig->clock.NowUs() - start, 5'000'000u);
  EXPECT_LT(rig->clock.NowUs() - start, 5'000'000u + 2'100'000u) << "the first tick after the bit cleared";
  EXPECT_FALSE(rig->connection.State().unsaved);
  EXPECT_EQ(rig->Texts(), (std::vector<std::string>{Text(MessageId::kSaveDone)}));
  rig->segment.PowerCycleAll();
  EXPECT_EQ(rig->transport.engine.ReadRegister(0x060A).value, 0x0F0Fu);
}

TEST_F(SaveResetTest, BusyOrSilentMailboxChangesNothingAndIsNotFatal) {
  Connect(6);
  rig->Switch().Poke(0x0006, 0x0004);
  EXPECT_EQ(page->SaveSettings(), Outcome::kRefused);
  ASSERT_EQ(rig->prompter.shown.size(), 1u);
  EXPECT_EQ(rig->prompter.shown[0].text, Text(MessageId::kSwitchBusy));
  EXPECT_EQ(rig->prompter.shown[0].kind, MessageKind::kRefusal);
  EXPECT_EQ(rig->prompter.shown[0].icon, MessageIcon::kWarning);

  rig->prompter.shown.clear();
  rig->Agent().Faults().Add(LoseGetsOf(0x0006));
  EXPECT_EQ(page->SaveSettings(), Outcome::kNoAnswer);
  EXPECT_EQ(rig->Texts(), (std::vector<std::string>{Text(MessageId::kSwitchInfoReadError)}));
  EXPECT_TRUE(rig->progress.spinners.empty());
  EXPECT_TRUE(rig->connection.State().unsaved);
  EXPECT_FALSE(rig->connection.State().fatal);
}

TEST_F(SaveResetTest, MicrocontrollerThatNeverFinishesIsFatal) {
  Connect(6);
  rig->Switch().Mcu()->SetStuck(true);
  EXPECT_EQ(page->SaveSettings(), Outcome::kFatal);
  EXPECT_TRUE(rig->connection.State().fatal);
  EXPECT_TRUE(rig->connection.State().unsaved);
  EXPECT_EQ(rig->Texts(), (std::vector<std::string>{Text(MessageId::kCriticalOperationFailed)}));

  rig->prompter.shown.clear();
  rig->prompter.Script(Answer::kYes);
  rig->Switch().Poke(0x0006, 0);
  EXPECT_EQ(page->Button5Click(), Outcome::kFatal);
  EXPECT_EQ(rig->progress.spinners.back(),
            (std::pair<std::string, int>{Text(MessageId::kRestoringFactorySettings), 30}));
  EXPECT_EQ(rig->Texts(), (std::vector<std::string>{Text(MessageId::kConfirmFactoryReset),
                                                    Text(MessageId::kCriticalOperationFailed)}));
}

TEST_F(SaveResetTest, MicrocontrollerRestoresTheFactorySettings) {
  Connect(6);
  rig->transport.engine.WriteRegister(0x060A, 0x0F0F);
  rig->prompter.Script(Answer::kYes);
  page->Button5Click();
  EXPECT_EQ(rig->transport.engine.ReadRegister(0x060A).value, 0xAFAFu);
  EXPECT_FALSE(rig->connection.State().unsaved);
  EXPECT_EQ(rig->Texts().back(), Text(MessageId::kFactoryResetDone));
}

TEST_F(SaveResetTest, SoftResetSetsTheRestartBitOnlyOnARealReadAndWaitsForTheSwitch) {
  Connect(2);
  rig->Switch().Poke(0x0000, 0x00F6);
  rig->Agent().ClearHistory();
  EXPECT_EQ(page->Button19Click(), Outcome::kDone);
  ASSERT_EQ(rig->Agent().Writes().size(), 1u);
  EXPECT_EQ(rig->Agent().Writes()[0].value, 0x00F5u);
  EXPECT_FALSE(rig->Switch().Restarting());

  rig->Agent().ClearHistory();
  rig->Agent().Faults().Add(LoseGetsOf(0x0000));
  EXPECT_EQ(page->Button19Click(), Outcome::kNoAnswer);
  EXPECT_TRUE(rig->Agent().Writes().empty());
  EXPECT_EQ(rig->Texts(), (std::vector<std::string>{Text(MessageId::kSwitchInfoReadError)}));
}

TEST_F(SaveResetTest, SystemSheetShowsTheDescriptionOnlyWhenConnected) {
  Connect(2);
  const char name[] = "core";
  std::copy(name, name + 4, rig->transport.cache.switchDescription.begin());
  page->SwitchInternalsSheetShow();
  EXPECT_EQ(view.selections, 1);
  EXPECT_EQ(descriptionView.text, "core");

  rig->connection.Disconnect(false);
  descriptionView.text.clear();
  page->SwitchInternalsSheetShow();
  EXPECT_EQ(view.selections, 1);
  EXPECT_EQ(descriptionView.text, "");
}

}  // namespace
}  // namespace velkor
