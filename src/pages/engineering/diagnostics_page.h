#pragma once

#include <QWidget>
#include <array>
#include <string>
#include <utility>

#include "pages/engineering/diagnostics.h"
#include "pages/page.h"

class QGroupBox;
class QLineEdit;

namespace velkor {

// The engineering page "MAC/PHY/EEPROM Diagnostics": the groups "MAC Access", "PHY Access" and
// "EEPROM Access", each with its fields and "Get" and "Set".
class DiagnosticsPage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit DiagnosticsPage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(Diagnostics* logic) { logic_ = logic; }
  // DiagnosticsPageShow: offers the EEPROM group where it applies and empties every field.
  void Fill() override;

 private:
  // Runs one of the logic's Get or Set handlers on the fields as typed and shows what it left.
  void Run(void (Diagnostics::*handler)(DiagnosticsFields&));

  Diagnostics* logic_ = nullptr;
  QGroupBox* eepromGroup_;
  // Each edit with the field of DiagnosticsFields it holds, in the page's order.
  std::array<std::pair<QLineEdit*, std::string DiagnosticsFields::*>, 7> fields_{};
};

}  // namespace velkor
