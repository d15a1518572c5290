#pragma once

#include <array>
#include <cstdint>

#include "device/port_layout.h"

namespace velkor {

enum class VlanTableKind { kPortBased, kDot1q };

struct VlanEntry {
  uint16_t vid = 0;
  uint32_t members = 0;  // bit p = chip port p
};

// The table entry chip port p uses in port-based mode: its own on the 8-port models, its
// neighbour's elsewhere. Its own inverse.
int PortBasedEntryOf(int modelCode, int chipPort);

// The chip ports a table of this switch may hold.
uint32_t VlanValidPortMask(int modelCode, const PortLayout& layout);

// An image of the chip's 32-entry VLAN table; every member mask it stores is limited to the ports
// the switch has, and every entry index is checked, so hostile input cannot reach past the table.
class VlanTable {
 public:
  static constexpr int kEntryCount = 32;

  explicit VlanTable(VlanTableKind kind) : kind_(kind) {}

  // A new connection: cleared, with the switch's ports.
  void Reset(int modelCode, const PortLayout& layout);
  void Clear() { entries_.fill({}); }
  bool SetEntry(int e, uint32_t vid, uint32_t members);
  // Entry e's port may talk to set, and every port of set back to it, and no other port.
  bool SetPortAllowed(int e, uint32_t set);
  // Every port of set may talk to every other.
  bool AddGroup(uint32_t set);
  bool IsMember(int chipPort, int e) const;
  bool EntryMatches(int e, uint32_t value) const;
  bool IsTrivialEntry(int e) const;
  bool IsTrivialTable() const;
  bool AllAlreadyGrouped(uint32_t set) const;

  // Entry e, or an empty one beyond the table.
  VlanEntry Entry(int e) const { return Valid(e) ? entries_[static_cast<size_t>(e)] : VlanEntry{}; }
  uint32_t ValidMask() const { return validMask_; }
  VlanTableKind Kind() const { return kind_; }
  int ModelCode() const { return modelCode_; }

 private:
  static bool Valid(int e) { return e >= 0 && e < kEntryCount; }

  VlanTableKind kind_;
  int modelCode_ = 0;
  int portCount_ = 0;
  uint32_t validMask_ = 0;
  std::array<VlanEntry, kEntryCount> entries_{};
};

// The program's two tables: the port-based page's and the 802.1Q page's.
struct VlanTables {
  VlanTable portBased{VlanTableKind::kPortBased};
  VlanTable dot1q{VlanTableKind::kDot1q};
  void Reset(int modelCode, const PortLayout& layout) {
    portBased.Reset(modelCode, layout);
    dot1q.Reset(modelCode, layout);
  }
};

}  // namespace velkor
