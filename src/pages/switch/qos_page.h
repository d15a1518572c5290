#pragma once

#include <QWidget>

namespace velkor {

// The QoS page "QoS设置" of the switch-features sheet.
class QosPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
