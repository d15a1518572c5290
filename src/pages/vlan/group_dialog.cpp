#include "pages/vlan/group_dialog.h"

#include <algorithm>

#include "device/message_table.h"
#include "pages/vlan/vlan_id.h"

namespace velkor {

GroupDialog::GroupDialog(const PortLayout& layout, int modelCode, uint32_t trunkMask, const Group& group,
                         std::vector<int> otherVids)
    : vidText(std::to_string(group.vid)),
      old_(group),
      otherVids_(std::move(otherVids)),
      vid_(group.vid),
      members_(group.members) {
  boxes_.Show(layout, modelCode, trunkMask, group.members, true, -1);
}

// True (after telling the user) when the edit box holds no VID this group may take.
bool GroupDialog::RefuseVid(Prompter& prompter, int& vid) const {
  const auto parsed = ParseVlanId(vidText);
  MessageId refusal;
  if (!parsed) {
    refusal = MessageId::kInvalidVlanId;
  } else if (std::find(otherVids_.begin(), otherVids_.end(), *parsed) != otherVids_.end()) {
    refusal = MessageId::kVlanIdInUse;
  } else {
    vid = *parsed;
    return false;
  }
  prompter.ShowWithIcon(MessageKind::kError, MessageIcon::kWarning, Message(refusal));
  return true;
}

bool GroupDialog::Accept(Prompter& prompter) {
  const uint32_t members = boxes_.Members();
  int vid = 0;
  if (members == 0 && old_.first) {
    prompter.ShowWithIcon(MessageKind::kError, MessageIcon::kWarning, Message(MessageId::kVlanGroupEmpty));
    return false;
  }
  if (members != 0 && RefuseVid(prompter, vid)) return false;
  if (members == 0)
    prompter.ShowWithIcon(MessageKind::kNotice, MessageIcon::kInformation,
                          Message(MessageId::kNoMemberSelected));
  vid_ = vid;
  members_ = members;
  unchanged_ = vid == old_.vid && members == old_.members;
  return true;
}

}  // namespace velkor
