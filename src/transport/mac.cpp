#include "transport/mac.h"

#include <cstdio>

namespace velkor {

std::string FormatMac(const Mac& mac) {
  char text[18];
  std::snprintf(text, sizeof text, "%.2X:%.2X:%.2X:%.2X:%.2X:%.2X", mac[0], mac[1], mac[2], mac[3], mac[4],
                mac[5]);
  return text;
}

static int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<Mac> ParseMac(std::string_view text) {
  if (text.size() != 17) return std::nullopt;
  Mac mac{};
  for (size_t i = 0; i < 6; ++i) {
    const int hi = HexDigit(text[3 * i]);
    const int lo = HexDigit(text[3 * i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    if (i < 5 && text[3 * i + 2] != ':' && text[3 * i + 2] != '-') return std::nullopt;
    mac[i] = static_cast<uint8_t>(hi << 4 | lo);
  }
  return mac;
}

}  // namespace velkor
