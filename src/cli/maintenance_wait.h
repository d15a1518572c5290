#pragma once

#include <memory>
#include <string>

#include "device/progress_ui.h"
#include "transport/switch_access.h"

namespace velkor::cli {

// The microcontroller's wait without a dialog to keep up: instead of sitting out every tick, the
// wait ends as soon as no save or restore command is pending in the mailbox, and never later than
// the dialog would have closed. The bar is the session's.
class MailboxWait : public ProgressUi {
 public:
  static constexpr uint64_t kPollMs = 500;

  MailboxWait(SwitchAccess& access, ProgressUi& bar) : access_(access), bar_(bar) {}

  std::unique_ptr<Progress> ShowProgress(int maximum) override { return bar_.ShowProgress(maximum); }
  void StartSpinner(const std::string& message, int limit) override;

 private:
  SwitchAccess& access_;
  ProgressUi& bar_;
};

}  // namespace velkor::cli
