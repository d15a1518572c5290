#pragma once

#include <QWidget>

namespace velkor {

// The port settings page "端口设置" of the switch-features sheet.
class PortSettingsPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
