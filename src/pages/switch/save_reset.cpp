#include "pages/switch/save_reset.h"

#include "device/default_images.h"
#include "device/message_table.h"
#include "device/model.h"
#include "pages/switch/save_reset_image.h"
#include "pages/switch/save_reset_mcu.h"
#include "pages/switch/unanswered_report.h"
#include "transport/eeprom_update.h"

namespace velkor {

namespace {
constexpr int kSaveSteps = 351;  // 3 for the register image, 174 each for writing and reading back
constexpr int kSaveSpinnerTicks = 300;
}  // namespace

Outcome SaveReset::Button24Click() {
  if (!c_.prompter.Confirm(Message(MessageId::kConfirmSave))) return Outcome::kNotConfirmed;
  statistics_.StopMIBRefreshing();
  view_.Repaint();
  const Outcome outcome = SaveSettings();
  statistics_.EnterIdle();
  return outcome;
}

Outcome SaveReset::SaveSettings() {
  Connection& connection = c_.connection;
  if (!connection.CheckConnection()) return Outcome::kSwitchLost;
  const Outcome outcome =
      connection.State().modelCode == kModelG26A
          ? RunMcuCommand(c_, kMcuSaveConfiguration, MessageId::kSaving, kSaveSpinnerTicks)
          : SaveDirect();
  if (outcome != Outcome::kDone) return outcome;
  if (!connection.CheckConnection()) return Outcome::kSwitchLost;
  connection.SetUnsaved(false);
  c_.prompter.Inform(Message(MessageId::kSaveDone));
  return Outcome::kDone;
}

// Only the template's gap bytes survive: every register word is overwritten with the live value.
Outcome SaveReset::SaveDirect() {
  ConfigImage image = SaveTemplateFor(c_.connection.State().modelCode);
  c_.busy.Begin();
  auto bar = c_.progress.ShowProgress(kSaveSteps);
  // A register without an answer is no reason to give up the program.
  const bool read = ReadLiveRegisters(c_.transport, image, bar.get());
  EepromUpdate update;
  if (read) update = UpdateEepromRange(c_.transport.access, kConfigBlockStart, image, bar.get());
  bar.reset();
  c_.busy.End();
  // Until a byte is written the EEPROM is as it was.
  if (!read || (update.written == 0 && !update.Verified())) return Unanswered(Outcome::kNoAnswer);
  lastSaveWritten_ = update.written;
  if (update.Verified()) return Outcome::kDone;
  c_.connection.FatalSwitchError();
  return Outcome::kFatal;
}

std::optional<bool> SaveReset::SettingsUnsaved() {
  const int model = c_.connection.State().modelCode;
  if (model == kModelG26A) return std::nullopt;
  return LiveDiffersFromStored(c_.transport, model);
}

Outcome SaveReset::Button19Click() {
  switch (c_.transport.access.SoftResetChip()) {
    case RestartResult::kRestarted:
      return Outcome::kDone;
    case RestartResult::kNotAnswered:
      return Unanswered(Outcome::kNoAnswer);
    case RestartResult::kNotBack:
      break;
  }
  return c_.connection.CheckConnection() ? Outcome::kDone : Outcome::kSwitchLost;
}

void SaveReset::SwitchInternalsSheetShow() {
  if (!c_.connection.State().connected) return;
  view_.Repaint();
  view_.SelectMaintenancePages();
  description_.SwitchInfoConfigShow();
}

Outcome SaveReset::Unanswered(Outcome whileAnswering) {
  return ReportUnanswered(c_.connection, c_.prompter, whileAnswering);
}

}  // namespace velkor
