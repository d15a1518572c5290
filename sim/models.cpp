#include "sim/models.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <numeric>

namespace velkor::sim {

namespace {
std::vector<uint8_t> Range(uint8_t first, uint8_t count) {
  std::vector<uint8_t> v(count);
  std::iota(v.begin(), v.end(), first);
  return v;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}
}  // namespace

const std::vector<ModelProfile>& AllModels() {
  // Code 5 has no product name of its own; it is built like the QX-G17A.
  static const std::vector<ModelProfile> models = {
      {1, "QX-F16A", 0x0001, false}, {2, "QX-F8A", 0x0002, false}, {3, "QX-F24A", 0x0003, false},
      {4, "QX-G17A", 0x0000, false}, {5, "", 0x0000, false},       {6, "QX-G26A", 0x0000, true},
      {7, "QX-F8B", 0x0007, false},
  };
  return models;
}

const ModelProfile* FindModel(uint8_t code) {
  for (const ModelProfile& m : AllModels())
    if (m.code == code) return &m;
  return nullptr;
}

const ModelProfile* FindModel(std::string_view nameOrCode) {
  unsigned code = 0;
  const char* end = nameOrCode.data() + nameOrCode.size();
  if (auto [p, ec] = std::from_chars(nameOrCode.data(), end, code); ec == std::errc() && p == end)
    return code <= 0xFF ? FindModel(static_cast<uint8_t>(code)) : nullptr;
  for (const ModelProfile& m : AllModels())
    if (!m.name.empty() && SameName(m.name, nameOrCode)) return &m;
  return nullptr;
}

ChipPorts PortsOfChip(uint16_t chipId) {
  switch (chipId & 0xFF) {
    case 1:
      return {Range(0, 16), {}};
    case 2:
    case 7:
      return {Range(8, 8), {}};
    case 3:
      return {Range(0, 24), {}};
    default:
      return {Range(0, 24), {24, 25}};
  }
}

}  // namespace velkor::sim
