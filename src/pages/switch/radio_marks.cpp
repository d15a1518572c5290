#include "pages/switch/radio_marks.h"

#include <QRadioButton>

namespace velkor {

void MarkRadio(QRadioButton* button, bool checked) {
  QFont font = button->font();
  font.setBold(checked);
  button->setFont(font);
  const bool exclusive = button->autoExclusive();
  button->setAutoExclusive(false);
  button->setChecked(checked);
  button->setAutoExclusive(exclusive);
}

}  // namespace velkor
