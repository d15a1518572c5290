#pragma once

#include <string>

#include "cli/session.h"
#include "pages/switch/config_transfer.h"
#include "pages/switch/save_reset.h"
#include "pages/switch/switch_description.h"

namespace velkor::cli {

// The save and reset page and the switch description on the command line: there is no
// statistics page to pause and no page to paint; the description edit is a string.
class CtlMaintenance : public StatisticsControl,
                       public SaveResetView,
                       public SwitchDescriptionView,
                       public ConfigFileDialogs {
 public:
  explicit CtlMaintenance(CtlSession& session);

  SaveReset& Page() { return page_; }
  SwitchDescription& Description() { return description_; }
  ConfigTransfer& Transfer() { return transfer_; }

  void StopMIBRefreshing() override {}
  void EnterIdle() override {}
  void ShowFactoryUnits() override {}
  void Repaint() override {}
  void SelectMaintenancePages() override {}
  void SetDescriptionText(const std::string& text) override { text_ = text; }
  std::string DescriptionText() const override { return text_; }
  // The file comes from the command line, never from a dialog.
  std::optional<std::string> SaveFileName() override { return std::nullopt; }
  std::optional<std::string> OpenFileName() override { return std::nullopt; }

 private:
  std::string text_;
  SwitchDescription description_;
  SaveReset page_;
  ConfigTransfer transfer_;
};

}  // namespace velkor::cli
