#pragma once

#include <QWidget>

namespace velkor {

// The engineering page "General Information": chip and port layout.
class GeneralInfoPage : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

}  // namespace velkor
