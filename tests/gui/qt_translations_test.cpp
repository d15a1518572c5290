#include "app/qt_translations.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLocale>
#include <QMessageBox>

namespace velkor {
namespace {

// Needs Debian's qt6-translations-l10n, which scripts/setup installs.
TEST(QtTranslationsTest, StandardButtonsSpeakChinese) {
  const QLocale before;
  const auto translator = InstallQtChineseTexts();
  ASSERT_NE(translator, nullptr);
  QMessageBox box(QMessageBox::Question, QStringLiteral("确认"), QStringLiteral("?"),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_TRUE(box.button(QMessageBox::Yes)->text().startsWith(QStringLiteral("是")));
  EXPECT_TRUE(box.button(QMessageBox::No)->text().startsWith(QStringLiteral("否")));
  EXPECT_TRUE(box.button(QMessageBox::Cancel)->text().startsWith(QStringLiteral("取消")));
  QLocale::setDefault(before);
}

}  // namespace
}  // namespace velkor
