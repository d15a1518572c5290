#include "pages/switch/save_reset.h"

#include "device/default_images.h"
#include "device/message_table.h"
#include "device/model.h"
#include "pages/switch/save_reset_mcu.h"

namespace velkor {

namespace {
constexpr int kSaveSteps = 351;  // 3 for the register image, 174 each for writing and reading back
constexpr int kSaveSpinnerTicks = 300;
}  // namespace

void SaveReset::Button24Click() {
  if (!c_.prompter.Confirm(Message(MessageId::kConfirmSave))) return;
  statistics_.StopMIBRefreshing();
  view_.Repaint();
  SaveSettings();
  statistics_.EnterIdle();
}

int SaveReset::SaveSettings() {
  Connection& connection = c_.connection;
  if (!connection.CheckConnection()) return -1;
  if (connection.State().modelCode == kModelG26A) {
    if (!RunMcuCommand(c_, kMcuSaveConfiguration, MessageId::kSaving, kSaveSpinnerTicks)) return -1;
  } else if (SaveDirect() != 0) {
    return -1;
  }
  if (!connection.CheckConnection()) return -1;
  connection.SetUnsaved(false);
  c_.prompter.Inform(Message(MessageId::kSaveDone));
  return 0;
}

// Only the template's gap bytes survive: every register word is overwritten with the live value.
int SaveReset::SaveDirect() {
  ConfigImage image = SaveTemplateFor(c_.connection.State().modelCode);
  c_.busy.Begin();
  auto bar = c_.progress.ShowProgress(kSaveSteps);
  // A register that did not answer would store 0 in its place, so nothing is written then.
  const bool saved = c_.transport.blocks.ReadRegisterImage(image, bar.get()) == 0 &&
                     c_.transport.blocks.WriteConfigBlock(image, bar.get()) == 0;
  bar.reset();
  c_.busy.End();
  if (saved) return 0;
  c_.connection.FatalSwitchError();
  return -1;
}

bool SaveReset::Button19Click() { return c_.transport.access.SoftResetChip() == RestartResult::kRestarted; }

void SaveReset::SwitchInternalsSheetShow() {
  if (!c_.connection.State().connected) return;
  view_.Repaint();
  view_.SelectMaintenancePages();
  description_.SwitchInfoConfigShow();
}

}  // namespace velkor
