#include "app/default_button.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

namespace velkor {

void MakeDefaultButton(QPushButton* button, QWidget* scope) {
  button->setDefault(true);
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(key), scope);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
      if (button->isEnabled()) button->click();
    });
  }
}

}  // namespace velkor
