#pragma once

#include <optional>
#include <string>
#include <vector>

#include "device/identification.h"
#include "transport/register_engine.h"

namespace velkor {

// One row of "Port->VLAN Mapping": the port's caption and its 5-bit table index as stored; none
// when its register did not answer.
struct PortVlanIndexRow {
  std::string port;
  std::optional<int> vlan;
};

// One row of "VLAN Table"; a part whose register did not answer is none.
struct VlanTableRow {
  int entry;
  std::optional<int> vid;
  std::optional<std::string> members;
};

// The page "VLAN Related Information": the chip's raw VLAN state, read in one batch. It writes
// nothing.
class VlanInfo {
 public:
  VlanInfo(RegisterEngine& engine, const SwitchIdentifier& identifier)
      : engine_(engine), identifier_(identifier) {}

  // The page came into view: reads the chip and rebuilds both lists.
  void TabSheet4Show();
  const std::vector<PortVlanIndexRow>& Ports() const { return ports_; }
  const std::vector<VlanTableRow>& Entries() const { return entries_; }

 private:
  RegisterEngine& engine_;
  const SwitchIdentifier& identifier_;
  std::vector<PortVlanIndexRow> ports_;
  std::vector<VlanTableRow> entries_;
};

// The "Member Ports" text of a table entry: each Fast Ethernet port's number and a space, or a gap
// as wide, then "G1 " and "G2 " or their gaps, so that a port keeps its column in every row.
std::string MemberPortsText(const PortLayout& layout, uint32_t lowMembers, uint32_t highMembers);

}  // namespace velkor
