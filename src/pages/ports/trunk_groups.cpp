#include "pages/ports/trunk_groups.h"

#include "device/model.h"

namespace velkor {

namespace {

constexpr int kGigabitChipPort = 24;
constexpr int kChipPortCount = 26;
constexpr uint32_t kChipPortBits = (1u << kChipPortCount) - 1;

bool ValidChipPort(int p) { return p >= 0 && p < kChipPortCount; }

// Groups 1-6 of the larger models: four neighbouring chip ports each, starting at chip port 4k-4.
uint32_t QuadOfGroup(int group) { return 0xFu << (4 * (group - 1)); }

// Bit per Fast Ethernet chip port of layout: the smallest models' ports start at chip port 8.
uint32_t FastEthernetBits(const PortLayout& layout) {
  uint32_t bits = 0;
  for (int i = 0; i < layout.FeCount(); ++i) {
    const int p = layout.FePhyId(static_cast<size_t>(i));
    if (ValidChipPort(p)) bits |= 1u << p;
  }
  return bits;
}

}  // namespace

int TrunkGroupOf(int modelCode, int chipPort) {
  if (!ValidChipPort(chipPort)) return -1;
  if (modelCode != kModelG26A) return chipPort < kGigabitChipPort ? chipPort / 4 + 1 : -1;
  if (chipPort < 2) return 0;
  if (chipPort < 4) return 1;
  if (chipPort < kGigabitChipPort) return chipPort / 4 + 1;
  return 7;
}

uint32_t TrunkMemberMask(int modelCode, int chipPort) {
  const int group = TrunkGroupOf(modelCode, chipPort);
  // Only the model with eight groups has the pairs of groups 0 and 1; elsewhere group 1 is chip
  // ports 0-3 like any other quad.
  if (modelCode != kModelG26A) return group < 0 ? 0 : QuadOfGroup(group);
  switch (group) {
    case -1:
      return 0;
    case 0:
      return 0x3;
    case 1:
      return 0xC;
    case 7:
      return 0x3000000;
    default:
      return QuadOfGroup(group);
  }
}

uint32_t TrunkedPorts(int modelCode, const PortLayout& layout, uint16_t enableBits) {
  uint32_t mask = 0;
  if (modelCode == kModelG26A) {
    if (enableBits & 0x01) mask |= 0x3;
    if (enableBits & 0x02) mask |= 0xC;
    for (int k = 2; k < 8; ++k)
      if (enableBits & (1u << k)) mask |= QuadOfGroup(k);
    return mask & kChipPortBits;
  }
  for (int group = 1; group <= 6; ++group)
    if (enableBits & (1u << group)) mask |= QuadOfGroup(group);
  return mask & FastEthernetBits(layout);
}

TrunkMembers ReadTrunkMembers(Connection& connection, RegisterEngine& engine, const PortLayout& layout) {
  if (!connection.CheckConnection()) return {};
  const RegisterRead enable = engine.ReadRegister(kTrunkEnableRegister);
  if (!enable.answered) return {};
  return {true, TrunkedPorts(connection.State().modelCode, layout, enable.Low16())};
}

}  // namespace velkor
