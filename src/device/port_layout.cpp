#include "device/port_layout.h"

#include <span>

namespace velkor {

namespace {

// Panel type 3: the 16- and 24-port rows swap neighbouring ports, except the last pair of each.
constexpr std::array<uint8_t, 8> kPanel8{8, 9, 10, 11, 12, 13, 14, 15};
constexpr std::array<uint8_t, 16> kPanel16{1, 0, 3, 2, 5, 4, 7, 6, 9, 8, 11, 10, 13, 12, 14, 15};
constexpr std::array<uint8_t, 24> kPanel24{1,  0,  3,  2,  5,  4,  7,  6,  9,  8,  11, 10,
                                           13, 12, 15, 14, 17, 16, 19, 18, 21, 20, 22, 23};

std::span<const uint8_t> PanelRow(int feCount) {
  switch (feCount) {
    case 8:
      return kPanel8;
    case 16:
      return kPanel16;
    case 24:
      return kPanel24;
    default:
      return {};
  }
}

}  // namespace

int PortLayout::FePhyId(size_t i) const {
  if (i >= fePorts.size() || !fePorts[i].present) return -1;
  return fePorts[i].phyId;
}

int PortLayout::GPhyId(size_t i) const { return i < gPhyId.size() ? gPhyId[i] : -1; }

int PortLayout::PortSlots() const { return chipFamily == kChipFamily8324 ? 24 : 26; }

int PortLayout::ChipPortOfRow(size_t row) const {
  if (row < static_cast<size_t>(feCount)) return FePhyId(row);
  if (row < RowCount()) return GPhyId(row - feCount);
  return -1;
}

PortLayout MakePortLayout(uint8_t chipFamily, int feCount, int gCount,
                          std::array<uint8_t, kGigaPortSlots> gPhyId) {
  PortLayout layout;
  layout.chipFamily = chipFamily;
  const std::span<const uint8_t> row = PanelRow(feCount);
  layout.feCount = static_cast<int>(row.size());
  layout.gCount = gCount;
  layout.gPhyId = gPhyId;
  for (size_t i = 0; i < row.size(); ++i) layout.fePorts[i] = {1, row[i]};
  return layout;
}

PortLayout ChipPortLayout(uint8_t chipIdLow) {
  switch (chipIdLow) {
    case 1:
      return MakePortLayout(kChipFamily8324, 16, 0, {22, 23});
    case 3:
      return MakePortLayout(kChipFamily8324, 24, 0, {22, 23});
    case 2:
    case 7:
      return MakePortLayout(kChipFamily8324, 8, 0, {22, 23});
    default:
      return MakePortLayout(kChipFamily8326, 24, 2, {24, 25});
  }
}

}  // namespace velkor
