#include "app/busy_cursor.h"

#include <QApplication>

namespace velkor {

void BusyCursor::Begin() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  hold_.Begin();
}

void BusyCursor::End() {
  hold_.End();
  QApplication::restoreOverrideCursor();
}

}  // namespace velkor
