#pragma once

#include <QWidget>

namespace velkor {

// The port statistics page "端口统计信息" of the switch-status sheet.
class PortStatisticsPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
