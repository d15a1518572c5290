#pragma once

#include <QTranslator>
#include <memory>

namespace velkor {

// Installs Qt's own Chinese texts (the standard buttons of message boxes, the file dialogs), so
// that they speak the program's language whatever the session's. Returns the installed translator,
// which must outlive the dialogs, or null with a note on the error stream when Qt's translations
// are not installed.
std::unique_ptr<QTranslator> InstallQtChineseTexts();

}  // namespace velkor
