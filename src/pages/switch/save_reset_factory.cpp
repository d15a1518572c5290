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

void SaveReset::Button5Click() {
  if (!c_.prompter.Confirm(Message(MessageId::kConfirmFactoryReset))) return;
  view_.Repaint();
  statistics_.StopMIBRefreshing();
  Connection& connection = c_.connection;
  if (!connection.CheckConnection()) return;
  if (connection.State().modelCode == kModelG26A) {
    if (!RunMcuCommand(c_, kMcuRestoreFactory, MessageId::kRestoringFactorySettings,
                       kFactoryResetSpinnerTicks))
      return;
  } else {
    if (!FactoryResetDirect()) return;
    ResetCounterUnits(c_.transport.engine, c_.identifier.Layout());
    statistics_.ShowFactoryUnits();
  }
  if (!connection.CheckConnection()) return;
  connection.SetUnsaved(false);
  c_.prompter.Inform(Message(MessageId::kFactoryResetDone));
}

bool SaveReset::FactoryResetDirect() {
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
  // A soft reset whose control register did not answer wrote nothing: the reset is unfinished.
  written = written && c_.transport.access.SoftResetChip() != RestartResult::kNotAnswered;
  c_.busy.End();
  if (!written) c_.connection.FatalSwitchError();
  return written;
}

}  // namespace velkor
