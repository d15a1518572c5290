#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace velkor {

// Chip families as identification names them.
inline constexpr uint8_t kChipFamily8326 = 1;
inline constexpr uint8_t kChipFamily8324 = 2;

inline constexpr size_t kFePortSlots = 26;
inline constexpr size_t kGigaPortSlots = 2;
// The panel map has four rows per port count; identification only ever picks this one.
inline constexpr uint8_t kIdentifiedPanelType = 3;

struct FePortSlot {
  uint8_t present = 0;
  uint8_t phyId = 0;
};

// Which chip port serves each Fast Ethernet and gigabit port of the switch last identified.
// Per-port registers are indexed by these chip ports, not by front-panel numbers.
struct PortLayout {
  uint8_t chipFamily = 0;
  int feCount = 0;
  int gCount = 0;
  std::array<FePortSlot, kFePortSlots> fePorts{};
  std::array<uint8_t, kGigaPortSlots> gPhyId{};

  int FeCount() const { return feCount; }
  int GCount() const { return gCount; }
  // The chip port of Fast Ethernet port i (from 0), or -1 when the switch has no such port.
  int FePhyId(size_t i) const;
  // The chip port of gigabit port i (0 = G1), or -1 beyond G2.
  int GPhyId(size_t i) const;
  // How many chip ports the per-port register arrays cover: 24 on the 8324 family, else 26.
  int PortSlots() const;

  // Port lists show the Fast Ethernet ports first, then the gigabit ports.
  size_t RowCount() const { return static_cast<size_t>(feCount + gCount); }
  // The chip port of list row row, or -1 beyond the list.
  int ChipPortOfRow(size_t row) const;
};

// The layout of a chip: feCount Fast Ethernet ports placed by the panel map (8, 16 or 24; the map
// has no row for any other count, which gives no Fast Ethernet port) and gCount gigabit ports.
PortLayout MakePortLayout(uint8_t chipFamily, int feCount, int gCount,
                          std::array<uint8_t, kGigaPortSlots> gPhyId);

// The layout of the chip whose id register (0x0208) has chipIdLow as its low byte: variants 1, 2,
// 3 and 7 are of the 8324 family, any other value is the 8326 family.
PortLayout ChipPortLayout(uint8_t chipIdLow);

}  // namespace velkor
