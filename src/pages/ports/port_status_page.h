#pragma once

#include <QWidget>

namespace velkor {

// The port status page "端口状态" of the switch-status sheet.
class PortStatusPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
