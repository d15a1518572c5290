#pragma once

#include <QWidget>

namespace velkor {

// The security page "安全设置": connection password and management ports.
class SecurityPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
