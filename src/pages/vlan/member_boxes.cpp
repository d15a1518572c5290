#include "pages/vlan/member_boxes.h"

#include "device/model.h"
#include "device/port_captions.h"
#include "pages/ports/trunk_groups.h"

namespace velkor {

namespace {

constexpr int kG26ATrunkGroup = 7;

uint32_t Bit(int chipPort) { return chipPort >= 0 && chipPort < 32 ? 1u << chipPort : 0; }

std::string TrunkCaption(int group) { return "Trunk" + std::to_string(group); }

}  // namespace

void MemberBoxes::Show(const PortLayout& layout, int modelCode, uint32_t trunkMask, uint32_t initial,
                       bool checkInitial, int ownRow) {
  for (size_t i = 0; i < kCount; ++i)
    boxes_[i] = {i < kFirstGigabit ? FePortCaption(i) : GigaPortCaption(i - kFirstGigabit), 0, false};
  const bool edit = ownRow >= 0;
  const int ownPort = edit ? layout.ChipPortOfRow(static_cast<size_t>(ownRow)) : -1;
  const std::string ownCaption = edit ? RowCaption(layout, static_cast<size_t>(ownRow)) : "";
  const size_t fe = std::min(static_cast<size_t>(layout.FeCount()), kFirstGigabit);
  uint32_t collapsed = 0;
  for (size_t i = 0; i < fe; ++i) {
    MemberBox& box = boxes_[i];
    const int c = layout.FePhyId(i);
    box.ports = Bit(c);
    box.checked = checkInitial && (initial & box.ports);
    if (!(trunkMask & box.ports)) {
      box.visible = true;
      continue;
    }
    const uint32_t group = TrunkMemberMask(modelCode, c);
    // The group's first box stands for the group; the others are hidden in it.
    if (collapsed & group) continue;
    collapsed |= group;
    box.caption = TrunkCaption(TrunkGroupOf(modelCode, c));
    box.ports = group;
    box.visible = box.wide = true;
    if (edit && (group & Bit(ownPort))) {
      box.enabled = false;
      box.caption += ":" + ownCaption;
    }
  }
  for (size_t k = 0; k < static_cast<size_t>(layout.GCount()) && k < 2; ++k) {
    MemberBox& box = boxes_[kFirstGigabit + k];
    const int c = layout.GPhyId(k);
    box.ports = Bit(c);
    box.checked = checkInitial && (initial & box.ports);
    box.visible = true;
    if (modelCode != kModelG26A || !(trunkMask & Bit(static_cast<int>(kFirstGigabit + k)))) continue;
    box.caption = TrunkCaption(kG26ATrunkGroup);
    box.ports = TrunkMemberMask(modelCode, c);
    box.wide = true;
    if (edit && (box.ports & Bit(ownPort)) && static_cast<size_t>(ownRow) >= fe) {
      box.enabled = false;
      box.caption += ":" + ownCaption;
    }
    boxes_[kFirstGigabit + 1].visible = false;
    break;
  }
  if (edit) ShowOwnBox(layout, modelCode, ownRow);
}

void MemberBoxes::ShowOwnBox(const PortLayout& layout, int modelCode, int ownRow) {
  const size_t fe = static_cast<size_t>(layout.FeCount());
  const size_t row = static_cast<size_t>(ownRow);
  const size_t index = row < fe || modelCode == kModelG26A ? row : kFirstGigabit + (row - fe);
  if (index >= kCount) return;
  MemberBox& box = boxes_[index];
  box.checked = (row < fe || modelCode == kModelG26A) && box.caption.rfind("T", 0) == 0;
  box.enabled = false;
}

void MemberBoxes::CheckAll(bool checked) {
  for (MemberBox& box : boxes_)
    if (box.visible && box.enabled) box.checked = checked;
}

void MemberBoxes::CheckPorts(uint32_t chipPorts) {
  for (MemberBox& box : boxes_)
    if (box.visible && box.enabled) box.checked = (box.ports & chipPorts) != 0;
}

uint32_t MemberBoxes::Members(int* fastEthernetBoxes) const {
  uint32_t members = 0;
  int count = 0;
  for (size_t i = 0; i < kCount; ++i) {
    const MemberBox& box = boxes_[i];
    if (!box.visible || !box.checked) continue;
    members |= box.ports;
    if (i < kFirstGigabit) ++count;
  }
  if (fastEthernetBoxes) *fastEthernetBoxes = count;
  return members;
}

}  // namespace velkor
