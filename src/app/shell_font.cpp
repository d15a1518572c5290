#include "app/shell_font.h"

namespace velkor {

QFont ShellFont() {
  QFont font(QStringLiteral("宋体"));
  font.setPixelSize(13);
  return font;
}

}  // namespace velkor
