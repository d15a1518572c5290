#pragma once

#include <optional>
#include <string>
#include <vector>

#include "pages/vlan/member_dialog.h"
#include "pages/vlan/vlan_context.h"
#include "pages/vlan/vlan_table.h"
#include "transport/confirmed_read.h"

namespace velkor {

struct PortVlanRow {
  std::string caption;  // "01" … or "G1", "G2"
  int chipPort = -1;
  std::string peers;  // "允许与本端口相互通信的端口"
};

struct PortVlanMenu {
  bool edit = false;
  bool add = false;
  bool clear = false;
};

// The page "基于端口的VLAN设置": which ports each port may talk to, kept symmetric. Edits change an
// image of the chip's table read just before, write it whole and read it back.
class PortVlan {
 public:
  PortVlan(VlanContext& context, VlanTable& table) : c_(context), table_(table) {}

  // The table image from the chip; kNoAnswer (image cleared) when a read was lost. An image that an
  // edit or a check builds on is read kConfirmed.
  Outcome ReadPortBasedTable(BatchReads reads);
  // Writes the image and reads it back; a difference ends the connection.
  Outcome WritePortBasedTable();

  Outcome Fill(BatchReads reads = BatchReads::kShown);
  const std::vector<PortVlanRow>& Rows() const { return rows_; }
  PortVlanMenu MenuPopup(bool rowSelected) const;

  // "编辑端口" on a list row and "添加VLAN组": the dialog to show, or none with outcome saying why.
  std::optional<PortMemberDialog> EditPortDialog(size_t row, Outcome& outcome);
  Outcome ApplyEditPort(const PortMemberDialog& dialog);
  std::optional<PortMemberDialog> AddGroupDialog(Outcome& outcome);
  Outcome ApplyAddGroup(const PortMemberDialog& dialog);
  // "删除整个VLAN列表": refused while a trunk group is enabled, asks first.
  Outcome ClearTable();

 private:
  std::optional<PortMemberDialog> Dialog(int ownRow, uint32_t initial, Outcome& outcome);
  Outcome WriteAndFill();

  VlanContext& c_;
  VlanTable& table_;
  std::vector<PortVlanRow> rows_;
  uint32_t trunkMask_ = 0;
};

}  // namespace velkor
