#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pages/vlan/group_chooser.h"
#include "pages/vlan/group_dialog.h"
#include "pages/vlan/vlan_context.h"
#include "pages/vlan/vlan_table.h"
#include "transport/confirmed_read.h"

namespace velkor {

struct Dot1qGroupRow {
  std::string number;  // "01" … "32"
  int vid = 0;         // 0: the group is empty
  uint32_t members = 0;
  std::string vidText;  // "-" for an empty group
  std::string ports;    // "<空>" for no member
};

struct Dot1qMapRow {
  std::string caption;  // "01" … or "G1", "G2"
  int chipPort = -1;
  int entry = 0;  // the group is entry + 1
  std::string group;
};

struct Dot1qGroupMenu {
  bool edit = false;
  bool clear = false;
};

// The page "802.1Q VLAN设置": the 32 groups (VID and members) and each port's group. A group keeps
// VID 0 exactly when it has no member; group 1 is never emptied.
class Dot1qVlan {
 public:
  Dot1qVlan(VlanContext& context, const VlanTable& table) : c_(context), table_(table) {}

  // Entry e as the chip holds it; none when a read was lost.
  std::optional<VlanEntry> ReadDot1qEntry(int e, BatchReads reads);
  // Writes one group and reads it back (a difference ends the connection); the ports of a cleared
  // group move to group 1. A VID without members, or members without a VID, are not written.
  Outcome WriteDot1qEntry(int e, int vid, uint32_t members);

  // A fill whose groups decide a change reads kConfirmed.
  Outcome Fill(BatchReads reads = BatchReads::kShown);
  const std::vector<Dot1qGroupRow>& Groups() const { return groups_; }
  const std::vector<Dot1qMapRow>& Mapping() const { return mapping_; }
  Dot1qGroupMenu MenuPopup(std::optional<size_t> row) const;

  // "编辑" on group row row: the editor to show, or none with outcome saying why.
  std::optional<GroupDialog> EditGroupDialog(size_t row, Outcome& outcome);
  Outcome ApplyEditGroup(size_t row, const GroupDialog& dialog);
  // "清空": never group 1.
  Outcome ClearGroup(size_t row);
  // "选择VLAN组" on mapping row row: the chooser, or none with outcome saying why.
  std::optional<GroupChooser> MapDialog(size_t row, Outcome& outcome);
  Outcome ApplyMap(size_t row, const GroupChooser& chooser);

 private:
  bool Complete() const { return complete_ && groups_.size() == static_cast<size_t>(VlanTable::kEntryCount); }
  std::string PortsText(uint32_t members) const;

  VlanContext& c_;
  const VlanTable& table_;
  std::vector<Dot1qGroupRow> groups_;
  std::vector<Dot1qMapRow> mapping_;
  bool complete_ = false;
  uint32_t trunkMask_ = 0;
};

}  // namespace velkor
