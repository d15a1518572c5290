#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "device/port_layout.h"

namespace velkor {

// One check box of the member dialogs: a port, or a trunk group collapsed into one "TrunkN" box.
struct MemberBox {
  std::string caption;
  uint32_t ports = 0;  // the chip ports the box stands for
  bool visible = false;
  bool enabled = true;
  bool checked = false;
  bool wide = false;  // a trunk box is drawn wider
};

// The 26 member boxes of TVlanDlg and TVlan2Dlg: 0-23 Fast Ethernet, 24-25 gigabit.
class MemberBoxes {
 public:
  static constexpr size_t kCount = 26;
  static constexpr size_t kFirstGigabit = 24;

  // ownRow is the edited port's list row, or -1 (add mode, and the 802.1Q editor). With
  // checkInitial the boxes of the ports in initial are checked.
  void Show(const PortLayout& layout, int modelCode, uint32_t trunkMask, uint32_t initial, bool checkInitial,
            int ownRow);
  // "全选中" and "全不选": the visible, enabled boxes.
  void CheckAll(bool checked);
  // A click on box i; boxes the user cannot reach keep their state.
  void SetChecked(size_t i, bool checked) {
    if (i < kCount && boxes_[i].visible && boxes_[i].enabled) boxes_[i].checked = checked;
  }
  // Checks the visible, enabled boxes that stand for a port of chipPorts, unchecks the others.
  void CheckPorts(uint32_t chipPorts);
  // The chip ports of the visible, checked boxes; fastEthernetBoxes counts their Fast Ethernet
  // boxes (a trunk box counts once).
  uint32_t Members(int* fastEthernetBoxes = nullptr) const;

  const MemberBox& Box(size_t i) const { return boxes_.at(i); }

 private:
  void ShowOwnBox(const PortLayout& layout, int modelCode, int ownRow);

  std::array<MemberBox, kCount> boxes_{};
};

}  // namespace velkor
