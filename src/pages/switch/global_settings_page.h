#pragma once

#include <QWidget>
#include <array>

#include "pages/page.h"
#include "pages/switch/global_settings.h"

class QRadioButton;

namespace velkor {

// The page "全局设置" (its tab is hidden): one pair of buttons "禁止" / "启用" per control, the last
// two pairs hidden, and seven hidden radio groups of which only "IGMP Snooping" acts.
class GlobalSettingsPage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit GlobalSettingsPage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(GlobalSettings* logic) { logic_ = logic; }
  void Fill() override;
  void Show(const GlobalState& state);
  void ControlClick(GlobalControl control, bool on);

 private:
  GlobalSettings* logic_ = nullptr;
  // By GlobalControl: "禁止", then "启用".
  std::array<std::array<QRadioButton*, 2>, kGlobalControlCount> buttons_{};
};

}  // namespace velkor
