#pragma once

#include <QWidget>

namespace velkor {

// The engineering page "VLAN Related Information".
class VlanInfoPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
