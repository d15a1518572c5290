#pragma once

#include <QWidget>
#include <array>

#include "pages/page.h"
#include "pages/switch/qos.h"

class QAction;
class QMenu;
class QRadioButton;
class QTableWidget;

namespace velkor {

// The page "QoS设置": shows what Qos read and forwards every click to it. Only the user's clicks
// act: a fill that selects a button changes nothing on the switch.
class QosPage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit QosPage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(Qos* logic) { logic_ = logic; }
  void Fill() override;
  void Show(const QosState& state);

  void SourceClick(PrioritySource source);
  void RatioClick(QosRatio ratio);
  void PriorityClick(bool high);
  void PreparePriorityMenu();
  QMenu* PriorityMenu() const { return menu_; }

 private:
  void AfterChange();

  Qos* logic_ = nullptr;
  std::array<QRadioButton*, 3> sources_{};
  std::array<QRadioButton*, 4> ratios_{};
  QTableWidget* ports_;
  QMenu* menu_;
  std::array<QAction*, 2> priorities_{};
};

}  // namespace velkor
