#pragma once

class QPushButton;
class QWidget;

namespace velkor {

// Makes button the one Return and Enter press while the focus is anywhere inside scope; QPushButton's
// own default property only acts inside dialogs, and the pages live in the main window.
void MakeDefaultButton(QPushButton* button, QWidget* scope);

}  // namespace velkor
