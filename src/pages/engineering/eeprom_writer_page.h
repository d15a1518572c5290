#pragma once

#include <QWidget>

namespace velkor {

// The engineering page "EEPROM Writer": writes an image file into the EEPROM.
class EepromWriterPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
