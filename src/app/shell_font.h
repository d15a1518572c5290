#pragma once

#include <QFont>

namespace velkor {

// The font of the main window and its dialogs.
QFont ShellFont();

}  // namespace velkor
