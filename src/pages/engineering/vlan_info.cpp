#include "pages/engineering/vlan_info.h"

#include <map>

#include "device/port_captions.h"
#include "pages/vlan/vlan_registers.h"

namespace velkor {

namespace {

bool Member(int chipPort, uint32_t low, uint32_t high) {
  return chipPort >= 0 && ((chipPort > 15 ? high : low) >> (chipPort & 15) & 1);
}

// The batch entries of the registers read, and their values where they answered.
class BatchReads {
 public:
  explicit BatchReads(RegisterEngine& engine) : engine_(engine) {}
  void Queue(uint16_t reg) { index_[reg] = engine_.QueueRead(reg); }
  std::optional<uint32_t> Value(uint16_t reg) const {
    const int index = index_.at(reg);
    if (!engine_.BatchAnswered(index)) return std::nullopt;
    return engine_.BatchValue(index);
  }

 private:
  RegisterEngine& engine_;
  std::map<uint16_t, int> index_;
};

}  // namespace

std::string MemberPortsText(const PortLayout& layout, uint32_t lowMembers, uint32_t highMembers) {
  std::string text;
  for (int n = 1; n <= layout.FeCount(); ++n) {
    if (Member(layout.FePhyId(static_cast<size_t>(n - 1)), lowMembers, highMembers))
      text += std::to_string(n) + " ";
    else
      text += n < 10 ? "   " : "     ";
  }
  for (int k = 1; k <= layout.GCount(); ++k)
    text += Member(layout.GPhyId(static_cast<size_t>(k - 1)), lowMembers, highMembers)
                ? "G" + std::to_string(k) + " "
                : "    ";
  return text;
}

void VlanInfo::TabSheet4Show() {
  using namespace vlan_reg;
  const PortLayout& layout = identifier_.Layout();
  BatchReads reads(engine_);
  engine_.BeginBatch();
  for (int p = 0; p < layout.PortSlots(); ++p) reads.Queue(PortIndexRegister(p));
  for (int e = 0; e < kEntries; ++e) {
    reads.Queue(EntryVid(e));
    reads.Queue(LowMembers(e));
    reads.Queue(HighMembers(e));
  }
  engine_.TransmitBatch();

  ports_.clear();
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    PortVlanIndexRow port{RowCaption(layout, row), std::nullopt};
    if (const auto value = reads.Value(PortIndexRegister(p)))
      port.vlan = static_cast<int>(*value >> PortIndexShift(p) & kPortIndexMask);
    ports_.push_back(port);
  }
  entries_.clear();
  for (int e = 0; e < kEntries; ++e) {
    const auto vid = reads.Value(EntryVid(e));
    const auto low = reads.Value(LowMembers(e));
    const auto high = reads.Value(HighMembers(e));
    VlanTableRow row{e, std::nullopt, std::nullopt};
    if (vid) row.vid = static_cast<int>(*vid & kVidMask);
    if (low && high) row.members = MemberPortsText(layout, *low, *high);
    entries_.push_back(row);
  }
}

}  // namespace velkor
