#pragma once

#include <QWidget>

namespace velkor {

// The port-based VLAN page "基于端口的VLAN设置".
class PortVlanPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
