#include "app/busy_cursor.h"

#include <QApplication>

namespace velkor {

void BusyCursor::Begin() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void BusyCursor::End() { QApplication::restoreOverrideCursor(); }

}  // namespace velkor
