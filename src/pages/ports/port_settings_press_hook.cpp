#include "pages/ports/port_settings_press_hook.h"

#include <QTabWidget>

namespace velkor {

void OnSheetTabsPressed(QWidget* page, std::function<void()> pressed) {
  QWidget* sheet = page;
  while (sheet && !qobject_cast<QTabWidget*>(sheet)) sheet = sheet->parentWidget();
  if (!sheet) return;
  QObject::connect(qobject_cast<QTabWidget*>(sheet), &QTabWidget::tabBarClicked, sheet,
                   [pressed = std::move(pressed)](int) { pressed(); });
}

}  // namespace velkor
