#pragma once

// What the fuzz targets of received frames share: a run of frames in one input, and MACs that
// the fuzzer can ask to be made right, so it reaches past the address tests without guessing them.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "transport/mac.h"

namespace velkor::fuzz {

inline constexpr Mac kAdapter{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
inline constexpr Mac kSwitch{0x00, 0xE0, 0x4C, 0x00, 0x00, 0x10};

inline void Require(bool condition) {
  if (!condition) std::abort();
}

// Each frame is a flags byte, a length byte and that many bytes (the last takes what is left).
// Flags: bit 0 writes the adapter's MAC as destination, bit 1 the switch's as source, bit 2 the
// EtherType 0x8899 (at 16 when bit 3 says tagged, else at 12) and the get-reply opcode after it.
struct FuzzFrame {
  uint8_t flags = 0;
  std::vector<uint8_t> bytes;
};

inline std::vector<FuzzFrame> SplitFrames(const uint8_t* data, size_t size) {
  std::vector<FuzzFrame> frames;
  size_t at = 0;
  while (at + 2 <= size) {
    FuzzFrame f;
    f.flags = data[at];
    const size_t length = std::min<size_t>(data[at + 1], size - at - 2);
    at += 2;
    f.bytes.assign(data + at, data + at + length);
    at += length;
    const auto put = [&](size_t offset, std::initializer_list<uint8_t> value) {
      if (f.bytes.size() >= offset + value.size())
        std::copy(value.begin(), value.end(), f.bytes.begin() + offset);
    };
    if (f.flags & 1) put(0, {kAdapter[0], kAdapter[1], kAdapter[2], kAdapter[3], kAdapter[4], kAdapter[5]});
    if (f.flags & 2) put(6, {kSwitch[0], kSwitch[1], kSwitch[2], kSwitch[3], kSwitch[4], kSwitch[5]});
    if (f.flags & 4) put(f.flags & 8 ? 16 : 12, {0x88, 0x99, 0x01, 0x81});
    frames.push_back(std::move(f));
  }
  return frames;
}

}  // namespace velkor::fuzz
