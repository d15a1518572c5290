#pragma once

#include <cstdint>

#include "device/prompter.h"
#include "pages/vlan/member_boxes.h"
#include "pages/vlan/vlan_table.h"

namespace velkor {

// TVlanDlg without its widgets: the ports one port may talk to ("编辑端口", edit mode) or a new
// group of ports that may all talk to each other ("添加VLAN组", add mode).
class PortMemberDialog {
 public:
  // ownRow is the edited port's list row, or -1 for add mode.
  PortMemberDialog(const PortLayout& layout, int modelCode, uint32_t trunkMask, const VlanTable& table,
                   int ownRow, uint32_t initial);

  bool AddMode() const { return ownRow_ < 0; }
  int OwnRow() const { return ownRow_; }
  MemberBoxes& Boxes() { return boxes_; }
  const MemberBoxes& Boxes() const { return boxes_; }
  // "确定": true when the dialog closes with a result; otherwise the reason was shown and the
  // dialog stays open.
  bool Accept(Prompter& prompter);
  uint32_t Result() const { return result_; }

 private:
  int modelCode_;
  const VlanTable& table_;
  int ownRow_;
  uint32_t initial_;
  uint32_t shown_ = 0;  // the ports the boxes stood for when the dialog opened
  uint32_t result_ = 0;
  MemberBoxes boxes_;
};

}  // namespace velkor
