// The factory reset of the save and reset page.

#include "device/default_images.h"
#include "device/message_table.h"
#include "device/model.h"
#include "pages/switch/save_reset.h"
#include "pages/switch/save_reset_mcu.h"
#include "pages/switch/save_reset_units.h"

namespace velkor {

namespace {
// 174 steps for the block, 174 for its read-back, 117 for the description area, 3 for the
// register image.
constexpr int kFactoryResetSteps = 468;
constexpr int kFactoryResetSpinnerTicks = 30;

// The models whose factory state has no descriptions; the others keep theirs.
bool ClearsDescriptions(int modelCode) {
  return modelCode == kModelF16A || modelCode == kModelF8A || modelCode == kModelF24A ||
         modelCode == kModelF8B;
}
}  // namespace

Outcome SaveReset::Button5Click() {
  if (!c_.prompter.Confirm(Message(MessageId::kConfirmFactoryReset))) return Outcome::kNotConfirmed;
  view_.Repaint();
  statistics_.StopMIBRefreshing();
  Connection& connection = c_.connection;
  if (!connection.CheckConnection()) return Outcome::kSwitchLost;
  const Outcome outcome = connection.State().modelCode == kModelG26A
                              ? RunMcuCommand(c_, kMcuRestoreFactory, MessageId::kRestoringFactorySettings,
                                              kFactoryResetSpinnerTicks)
                              : FactoryResetDirect();
  if (outcome != Outcome::kDone) return outcome;
  if (!connection.CheckConnection()) return Outcome::kSwitchLost;
  connection.SetUnsaved(false);
  c_.prompter.Inform(Message(MessageId::kFactoryResetDone));
  return Outcome::kDone;
}

Outcome SaveReset::FactoryResetDirect() {
  const int modelCode = c_.connection.State().modelCode;
  EepromBlocks& blocks = c_.transport.blocks;
  c_.busy.Begin();
  auto bar = c_.progress.ShowProgress(kFactoryResetSteps);
  bool written = true;
  if (const ConfigImage* block = DefaultBlockFor(modelCode)) {
    written = blocks.WriteConfigBlock(*block, bar.get()) == 0 &&
              (!ClearsDescriptions(modelCode) || blocks.ClearDescriptionArea(bar.get()) == 0);
    if (written) blocks.WriteRegisterImage(*block, *bar);
  }
  bar.reset();
  // The EEPROM may be half-written: only the user can finish the job now.
  if (!written) {
    c_.busy.End();
    c_.connection.FatalSwitchError();
    return Outcome::kFatal;
  }
  const RestartResult restart = c_.transport.access.SoftResetChip();
  c_.busy.End();
  // The factory block is stored whole; the chip just did not restart to load all of it.
  if (restart == RestartResult::kNotAnswered) return Unanswered(Outcome::kNotVerified);
  // The counter units must not be written into a chip that is still restarting.
  if (restart == RestartResult::kNotBack && !c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  ResetCounterUnits(c_.transport.engine, c_.identifier.Layout());
  statistics_.ShowFactoryUnits();
  return Outcome::kDone;
}

}  // namespace velkor
