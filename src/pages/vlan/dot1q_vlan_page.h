#pragma once

#include <QWidget>

namespace velkor {

// The 802.1Q VLAN page "802.1Q VLAN设置".
class Dot1qVlanPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
