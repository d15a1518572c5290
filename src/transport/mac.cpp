#include "transport/mac.h"

namespace velkor {

// Every hello reply is kept with two of these: no printf machinery for six bytes.
std::string FormatMac(const Mac& mac) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text(17, ':');
  for (size_t i = 0; i < mac.size(); ++i) {
    text[3 * i] = kDigits[mac[i] >> 4];
    text[3 * i + 1] = kDigits[mac[i] & 0xF];
  }
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
