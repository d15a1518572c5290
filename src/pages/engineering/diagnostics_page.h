#pragma once

#include <QWidget>

namespace velkor {

// The engineering page "MAC/PHY/EEPROM Diagnostics": raw register, PHY and EEPROM access.
class DiagnosticsPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
