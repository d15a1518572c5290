#include "app/config_file_dialogs.h"

#include <QFileDialog>

namespace velkor {

namespace {
const QString kFilter = QStringLiteral("*.bin");

std::optional<std::string> Chosen(const QString& name) {
  if (name.isEmpty()) return std::nullopt;
  return name.toStdString();
}
}  // namespace

std::optional<std::string> QtConfigFileDialogs::SaveFileName() {
  QFileDialog dialog(parent_, QString(), QStringLiteral("config"), kFilter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("bin"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return Chosen(dialog.selectedFiles().front());
}

std::optional<std::string> QtConfigFileDialogs::OpenFileName() {
  return Chosen(QFileDialog::getOpenFileName(parent_, QString(), QStringLiteral("config.bin"), kFilter));
}

}  // namespace velkor
