#pragma once

#include <QWidget>

namespace velkor {

// The page "交换机信息设置": the switch's and its ports' descriptions.
class SwitchInfoPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
