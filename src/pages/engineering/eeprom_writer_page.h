#pragma once

#include <QWidget>

#include "pages/engineering/eeprom_writer.h"
#include "pages/page.h"

class QLineEdit;

namespace velkor {

// The engineering page "EEPROM Writer": "Image File:" with its field, "&Open..." and "Burn Image".
class EepromWriterPage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit EepromWriterPage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(EepromWriter* logic) { logic_ = logic; }
  // Nothing to read from the switch.
  void Fill() override {}

  // The open dialog was accepted with path.
  void FileOpen1Accept(const QString& path);
  // "Burn Image".
  void Button18Click();

 private:
  EepromWriter* logic_ = nullptr;
  QLineEdit* file_;
};

}  // namespace velkor
