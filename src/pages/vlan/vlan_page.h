#pragma once

#include <QWidget>

namespace velkor {

// The VLAN mode page "VLAN设置" of the switch-features sheet.
class VlanPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
