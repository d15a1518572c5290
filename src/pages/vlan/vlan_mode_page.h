#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "pages/vlan/vlan_settings.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QRadioButton;
class QTableWidget;

namespace velkor {

// The page "VLAN设置": shows what VlanSettings read and forwards every click to it.
class VlanModePage : public QWidget {
  Q_OBJECT

 public:
  explicit VlanModePage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing. modeShown is told the mode after every
  // refill, so the sheet can show exactly that mode's table page.
  void Attach(VlanSettings* logic, std::function<void(VlanMode)> modeShown);
  // Fills from the chip and shows the result.
  void Fill();
  void Show(const VlanPageState& state);

  void ModeClick(VlanMode mode);
  void DropUntaggedClick();
  void LeakyClick(LeakyOption option, bool enabled);
  void TagRuleClick(TagRule rule);
  void ManagementVidClick();
  void PrepareTagMenu();
  QMenu* TagMenu() const { return menu_; }

 private:
  void AfterChange();

  VlanSettings* logic_ = nullptr;
  std::function<void(VlanMode)> modeShown_;
  std::array<QRadioButton*, 3> modes_{};
  QCheckBox* drop_;
  QGroupBox* vidGroup_;
  QLineEdit* vid_;
  std::array<QGroupBox*, 2> leakyGroups_{};
  std::array<std::array<QRadioButton*, 2>, 2> leaky_{};
  QTableWidget* tags_;
  QMenu* menu_;
  std::array<QAction*, 3> rules_{};
};

}  // namespace velkor
