#pragma once

#include <optional>

#include "device/connection.h"
#include "device/identification.h"
#include "device/outcome.h"
#include "device/progress_ui.h"
#include "device/prompter.h"
#include "pages/ports/statistics_control.h"
#include "pages/switch/switch_description.h"
#include "transport/transport_session.h"

namespace velkor {

// What the page "恢复与保存设置及断开连接" shows of the save and reset work.
class SaveResetView {
 public:
  virtual ~SaveResetView() = default;
  // Painted at once: the work that follows blocks the event loop.
  virtual void Repaint() = 0;
  // This page in front of the system sheet, and the port settings page in front of the feature
  // sheet, so that both open on their first pages next time.
  virtual void SelectMaintenancePages() = 0;
};

// Everything the save and reset work reaches: the switch, the connection, and the user.
struct MaintenanceContext {
  TransportSession& transport;
  SwitchIdentifier& identifier;
  Connection& connection;
  Prompter& prompter;
  ProgressUi& progress;
  BusyIndicator& busy;
};

// Save, factory reset and soft reset. The direct path copies the live registers into the EEPROM's
// configuration block; the QX-G26A's microcontroller does both jobs itself and is only told to.
class SaveReset {
 public:
  SaveReset(const MaintenanceContext& context, StatisticsControl& statistics, SwitchDescription& description,
            SaveResetView& view)
      : c_(context), statistics_(statistics), description_(description), view_(view) {}

  // "保存设置": kNotConfirmed unless the user answers Yes, otherwise how the save ended.
  Outcome Button24Click();
  // kDone when the settings were saved and verified; otherwise the user has been told why.
  Outcome SaveSettings();
  // The EEPROM bytes the last save on the direct path wrote: 0 when there was nothing to save.
  size_t LastSaveWritten() const { return lastSaveWritten_; }
  // Whether the chip holds settings a save would keep; none when that cannot be told (no answer,
  // or the microcontroller keeps the settings where they cannot be compared).
  std::optional<bool> SettingsUnsaved();
  // "恢复出厂设置": kNotConfirmed unless the user answers Yes.
  Outcome Button5Click();
  // "软复位": restarts the chip without a question and waits until it answers again.
  Outcome Button19Click();
  // The system sheet came to the front.
  void SwitchInternalsSheetShow();

 private:
  Outcome SaveDirect();
  Outcome FactoryResetDirect();
  Outcome Unanswered(Outcome whileAnswering);

  MaintenanceContext c_;
  StatisticsControl& statistics_;
  SwitchDescription& description_;
  SaveResetView& view_;
  size_t lastSaveWritten_ = 0;
};

}  // namespace velkor
