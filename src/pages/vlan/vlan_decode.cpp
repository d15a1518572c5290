#include "pages/vlan/vlan_decode.h"

#include "pages/vlan/vlan_registers.h"

namespace velkor {

using namespace vlan_reg;

namespace {
uint32_t ValueOf(const RegisterValues& values, uint16_t reg) { return values(reg).value_or(0); }
}  // namespace

int PortVlanIndexOf(const RegisterValues& values, int chipPort) {
  return static_cast<int>(ValueOf(values, PortIndexRegister(chipPort)) >> PortIndexShift(chipPort) &
                          kPortIndexMask);
}

VlanEntry VlanEntryOf(const RegisterValues& values, int e) {
  return {static_cast<uint16_t>(ValueOf(values, EntryVid(e)) & kVidMask),
          ValueOf(values, HighMembers(e)) << 16 | (ValueOf(values, LowMembers(e)) & 0xFFFF)};
}

}  // namespace velkor
