#pragma once

#include <QWidget>

namespace velkor {

// The port mirroring page "端口镜像设置" of the switch-features sheet.
class MirroringPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
