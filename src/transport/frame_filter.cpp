#include <cstdio>

#include "transport/packet_io.h"

namespace velkor {

static std::string LowerHex(const Mac& m) {
  char text[18];
  std::snprintf(text, sizeof text, "%02x:%02x:%02x:%02x:%02x:%02x", m[0], m[1], m[2], m[3], m[4], m[5]);
  return text;
}

std::string FrameFilter::ToBpf() const {
  if (passesNothing) return "len = 0";
  if (src)
    return "(len = 64 or len = 60) and ether src " + LowerHex(*src) + " and ether dst " + LowerHex(dst);
  return "(len = 64 or len = 60) and ether dst " + LowerHex(dst);
}

bool FrameFilter::Matches(std::span<const uint8_t> frame) const {
  if (passesNothing || (frame.size() != 60 && frame.size() != 64)) return false;
  if (!std::equal(dst.begin(), dst.end(), frame.begin())) return false;
  return !src || std::equal(src->begin(), src->end(), frame.begin() + 6);
}

}  // namespace velkor
