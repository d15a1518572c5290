#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/session.h"
#include "pages/ports/port_descriptions.h"
#include "pages/ports/port_settings.h"

namespace velkor::cli {

// The port settings page on the command line: the rows the command names are the selection, and
// the description dialog answers with the command's text.
class CtlPortPage : public PortSettingsView, public PortDescriptionPrompt {
 public:
  explicit CtlPortPage(CtlSession& session)
      : settings_(session.Transport(), session.GetConnection(), session.Identifier(), session.Prompts(),
                  *this),
        descriptions_(settings_, *this, session.Progress(), session.Busy()) {}

  PortSettings& Settings() { return settings_; }
  PortDescriptions& Descriptions() { return descriptions_; }
  void Select(std::vector<size_t> rows) { selected_ = std::move(rows); }
  void SetDescriptionText(std::string text) { text_ = std::move(text); }

  void Repaint() override {}
  void SetRows(const std::vector<PortSettingsRow>&) override {}
  std::vector<size_t> SelectedRows() const override { return selected_; }
  std::optional<size_t> FocusedRow() const override;
  std::optional<std::string> Ask() override { return text_; }

 private:
  PortSettings settings_;
  PortDescriptions descriptions_;
  std::vector<size_t> selected_;
  std::string text_;
};

// The setting item of column that text names: the page's caption ("2 Mbps", "100M Full", "启用")
// or a short form ("2m", "2mbps", "100full", "on", "disable", "none"); case and spaces do not matter.
std::optional<PortSettingItem> ParseSettingValue(PortColumn column, const std::string& text);

}  // namespace velkor::cli
