#include "pages/vlan/member_dialog.h"

#include "device/model.h"
#include "pages/vlan/vlan_texts.h"

namespace velkor {

PortMemberDialog::PortMemberDialog(const PortLayout& layout, int modelCode, uint32_t trunkMask,
                                   const VlanTable& table, int ownRow, uint32_t initial)
    : modelCode_(modelCode), table_(table), ownRow_(ownRow), initial_(ownRow >= 0 ? initial : 0) {
  boxes_.Show(layout, modelCode, trunkMask, initial_, !AddMode(), ownRow);
  shown_ = AddMode() ? 0 : boxes_.Members();
}

bool PortMemberDialog::Accept(Prompter& prompter) {
  int counted = 0;
  const uint32_t members = boxes_.Members(&counted);
  const auto warn = [&](const char* text) {
    prompter.ShowWithIcon(MessageKind::kNotice, MessageIcon::kWarning, text);
    return false;
  };
  // A trunk box counts as one box although it stands for several ports.
  if (AddMode() && modelCode_ != kModelG26A && counted == 1) return warn(kTwoOrMorePortsText);
  if (AddMode() && members != 0 && table_.AllAlreadyGrouped(members)) return warn(kAlreadyGroupedText);
  // Unchanged boxes are no change, although the initial set may hold the own port, whose box is
  // never checked.
  if (members == shown_) return warn(kNoMemberSetText);
  result_ = members;
  return true;
}

}  // namespace velkor
