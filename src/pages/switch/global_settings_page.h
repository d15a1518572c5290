#pragma once

#include <QWidget>

namespace velkor {

// The global settings page "全局设置" of the switch-features sheet.
class GlobalSettingsPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
