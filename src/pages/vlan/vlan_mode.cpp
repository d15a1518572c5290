#include "pages/vlan/vlan_mode.h"

#include "pages/vlan/vlan_registers.h"

namespace velkor {

VlanMode DecodeVlanMode(uint32_t control) {
  using namespace vlan_reg;
  switch (control & (kOnBit | kDot1qBit | kDropUntaggedBit)) {
    case kOnBit | kDot1qBit:
    case kOnBit | kDot1qBit | kDropUntaggedBit:
      return VlanMode::kDot1q;
    case kOnBit:
      return VlanMode::kPortBased;
    case 0:
      return VlanMode::kDisabled;
    default:
      return VlanMode::kUndefined;
  }
}

std::string VlanModeName(VlanMode mode) {
  switch (mode) {
    case VlanMode::kDisabled:
      return "off";
    case VlanMode::kPortBased:
      return "port";
    case VlanMode::kDot1q:
      return "dot1q";
    case VlanMode::kUndefined:
      break;
  }
  return "unknown";
}

uint32_t ModeBits(VlanMode mode) {
  using namespace vlan_reg;
  switch (mode) {
    case VlanMode::kPortBased:
      return kOnBit;
    case VlanMode::kDot1q:
      return kOnBit | kDot1qBit;
    default:
      return 0;
  }
}

}  // namespace velkor
