#include "device/port_captions.h"

namespace velkor {

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string FePortCaption(size_t i) {
  const size_t n = i + 1;
  return {static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
}

std::string GigaPortCaption(size_t k) { return "G" + std::to_string(k + 1); }

bool IsGigaPortCaption(std::string_view caption) { return caption == "G1" || caption == "G2"; }

std::string RowCaption(const PortLayout& layout, size_t row) {
  const size_t fe = static_cast<size_t>(layout.FeCount());
  if (row < fe) return FePortCaption(row);
  if (row < layout.RowCount()) return GigaPortCaption(row - fe);
  return {};
}

int ChipPortOfCaption(const PortLayout& layout, std::string_view caption) {
  if (caption.size() != 2) return -1;
  if (caption[0] == 'G') {
    if (caption[1] < '1' || caption[1] > '0' + layout.GCount()) return -1;
    return layout.GPhyId(static_cast<size_t>(caption[1] - '1'));
  }
  if (!IsDigit(caption[0]) || !IsDigit(caption[1])) return -1;
  const int n = (caption[0] - '0') * 10 + (caption[1] - '0');
  if (n < 1 || n > layout.FeCount()) return -1;
  return layout.FePhyId(static_cast<size_t>(n - 1));
}

std::string PanelName(const PortLayout& layout, size_t row) {
  const size_t fe = static_cast<size_t>(layout.FeCount());
  return row < fe ? std::to_string(row + 1) : "G" + std::to_string(row - fe + 1);
}

std::string PanelNames(const PortLayout& layout, uint32_t mask, int self) {
  std::string names;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    if (p < 0 || p == self || !(mask >> p & 1)) continue;
    if (!names.empty()) names += ',';
    names += PanelName(layout, row);
  }
  return names;
}

}  // namespace velkor
