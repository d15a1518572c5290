#pragma once

#include <string>

#include "cli/maintenance_wait.h"
#include "cli/session.h"
#include "pages/switch/save_reset.h"
#include "pages/switch/switch_description.h"

namespace velkor::cli {

// The save and reset page and the switch description on the command line: there is no
// statistics page to pause and no page to paint; the description edit is a string.
class CtlMaintenance : public StatisticsControl, public SaveResetView, public SwitchDescriptionView {
 public:
  explicit CtlMaintenance(CtlSession& session);

  SaveReset& Page() { return page_; }
  SwitchDescription& Description() { return description_; }

  void StopMIBRefreshing() override {}
  void EnterIdle() override {}
  void ShowFactoryUnits() override {}
  void Repaint() override {}
  void SelectMaintenancePages() override {}
  void SetDescriptionText(const std::string& text) override { text_ = text; }
  std::string DescriptionText() const override { return text_; }

 private:
  std::string text_;
  MailboxWait wait_;
  SwitchDescription description_;
  SaveReset page_;
};

}  // namespace velkor::cli
