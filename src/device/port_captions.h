#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "device/port_layout.h"

namespace velkor {

// Fast Ethernet port i (from 0) is listed as "01", "02", …; gigabit port k (0 = G1) as "G1", "G2".
std::string FePortCaption(size_t i);
std::string GigaPortCaption(size_t k);
bool IsGigaPortCaption(std::string_view caption);
// The caption of list row row of layout; empty beyond the list.
std::string RowCaption(const PortLayout& layout, size_t row);
// The chip port a row caption names on layout, or -1 when it names no port the layout has.
int ChipPortOfCaption(const PortLayout& layout, std::string_view caption);

// The front panel's name of list row row: "1", "2", … or "G1", "G2".
std::string PanelName(const PortLayout& layout, size_t row);
// The panel names of the chip ports in mask, comma-separated ("1,2,G1"); self is left out.
std::string PanelNames(const PortLayout& layout, uint32_t mask, int self = -1);

}  // namespace velkor
