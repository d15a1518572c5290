#pragma once

#include <QWidget>

namespace velkor {

// The page "恢复与保存设置及断开连接": save, factory reset, soft reset, export, import, disconnect.
class SaveResetPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
