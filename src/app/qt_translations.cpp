#include "app/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <iostream>

namespace velkor {

std::unique_ptr<QTranslator> InstallQtChineseTexts() {
  const QLocale chinese(QLocale::Chinese, QLocale::China);
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(chinese, QStringLiteral("qt"), QStringLiteral("_"), folder) ||
      !QCoreApplication::installTranslator(translator.get())) {
    std::cerr << "velkor-manager: Qt's Chinese translations are not in " << folder.toStdString()
              << " (Debian package qt6-translations-l10n); standard buttons stay in English\n";
    return nullptr;
  }
  // Dates and sizes in the file dialogs follow the same language.
  QLocale::setDefault(chinese);
  return translator;
}

}  // namespace velkor
