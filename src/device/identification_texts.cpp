#include "device/identification_texts.h"

#include <array>
#include <span>
#include <utility>

#include "device/port_layout.h"

namespace velkor {

namespace {

using TextRow = std::pair<uint8_t, std::string_view>;

constexpr std::array<TextRow, 5> k8326Models{
    {{0, "24FE+2G"}, {1, "24FE"}, {2, "26FE"}, {3, "16FE+2G"}, {4, "18FE"}}};
constexpr std::array<TextRow, 6> k8324Models{
    {{0, "8FE+2G"}, {1, "16FE"}, {2, "16FE+1G"}, {3, "24FE"}, {4, "16RMII"}, {10, "16FE+1G+1MII"}}};
constexpr std::array<TextRow, 4> kPanelTypes{
    {{0, "Type 1 (Default)"}, {1, "Type 2"}, {2, "Type 3"}, {3, "Type 4"}}};
constexpr std::array<TextRow, 6> kGigaPhyStatuses{{{0, "Not Existed"},
                                                   {1, "10/100"},
                                                   {2, "1000"},
                                                   {3, "No Module"},
                                                   {4, "10/100 Module"},
                                                   {5, "1000 Module"}}};

std::optional<std::string_view> Lookup(std::span<const TextRow> rows, uint8_t value) {
  for (const TextRow& row : rows)
    if (row.first == value) return row.second;
  return std::nullopt;
}

}  // namespace

std::optional<std::string_view> ChipFamilyText(uint8_t chipFamily) {
  if (chipFamily == kChipFamily8326) return "8326";
  if (chipFamily == kChipFamily8324) return "8324";
  return std::nullopt;
}

std::optional<std::string_view> ChipModelText(uint8_t chipFamily, uint8_t chipModel) {
  if (chipFamily == kChipFamily8326) return Lookup(k8326Models, chipModel);
  if (chipFamily == kChipFamily8324) return Lookup(k8324Models, chipModel);
  return std::nullopt;
}

std::optional<std::string_view> PanelTypeText(uint8_t panelType) { return Lookup(kPanelTypes, panelType); }

std::string_view PresenceText(uint8_t present) { return present ? "Yes" : "No"; }

std::optional<std::string_view> GigaPhyStatusText(uint8_t status) { return Lookup(kGigaPhyStatuses, status); }

}  // namespace velkor
