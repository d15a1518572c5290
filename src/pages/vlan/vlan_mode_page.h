#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "pages/page.h"
#include "pages/vlan/vlan_settings.h"
#include "pages/vlan/vlan_table.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QRadioButton;
class QTableWidget;

namespace velkor {

// The page "VLAN设置": shows what VlanSettings read and forwards every click to it.
class VlanModePage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit VlanModePage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing. modeShown is told the page after every refill
  // that read a mode, and at a connection before the mode is known, so the sheet can show exactly
  // that mode's table page. tables are the two table images, which every connection clears.
  void Attach(VlanSettings* logic, VlanTables* tables, std::function<void(const VlanPageState&)> modeShown);
  // Page: fills from the chip and shows the result.
  void Fill() override;
  // A new switch: both tables cleared for its ports and the mode unknown until the page is filled,
  // which happens here once so that the sheet shows the table page of the switch's mode.
  void Connected(const PortLayout& layout, int modelCode) override;
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
  void ClearModes();

  VlanSettings* logic_ = nullptr;
  VlanTables* tables_ = nullptr;
  std::function<void(const VlanPageState&)> modeShown_;
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
