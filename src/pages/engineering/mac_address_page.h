#pragma once

#include <QWidget>

namespace velkor {

// The engineering page "Set MAC Address".
class MacAddressPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
