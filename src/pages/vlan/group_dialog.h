#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "device/prompter.h"
#include "pages/vlan/member_boxes.h"

namespace velkor {

// TVlan2Dlg without its widgets: one 802.1Q group's VID and member ports.
class GroupDialog {
 public:
  struct Group {
    bool first = false;  // group 1 may never be empty
    int vid = 0;
    uint32_t members = 0;
  };

  GroupDialog(const PortLayout& layout, int modelCode, uint32_t trunkMask, const Group& group,
              std::vector<int> otherVids);

  MemberBoxes& Boxes() { return boxes_; }
  const MemberBoxes& Boxes() const { return boxes_; }
  // The edit box "VLAN ID: ".
  std::string vidText;

  // "确定": true when the dialog closes; otherwise the reason was shown and it stays open.
  bool Accept(Prompter& prompter);
  bool Unchanged() const { return unchanged_; }
  int Vid() const { return vid_; }
  uint32_t Members() const { return members_; }

 private:
  bool RefuseVid(Prompter& prompter, int& vid) const;

  Group old_;
  std::vector<int> otherVids_;
  bool unchanged_ = true;
  int vid_;
  uint32_t members_;
  MemberBoxes boxes_;
};

}  // namespace velkor
