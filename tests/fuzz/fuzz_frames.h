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

// Reads an input's frames one at a time into a frame the caller keeps, so that a run reuses its
// buffers rather than allocating one for each frame of each input.
class FrameReader {
 public:
  FrameReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

  bool Next(FuzzFrame& f) {
    if (at_ + 2 > size_) return false;
    f.flags = data_[at_];
    const size_t length = std::min<size_t>(data_[at_ + 1], size_ - at_ - 2);
    at_ += 2;
    f.bytes.assign(data_ + at_, data_ + at_ + length);
    at_ += length;
    const auto put = [&](size_t offset, std::initializer_list<uint8_t> value) {
      if (f.bytes.size() >= offset + value.size())
        std::copy(value.begin(), value.end(), f.bytes.begin() + offset);
    };
    if (f.flags & 1) put(0, {kAdapter[0], kAdapter[1], kAdapter[2], kAdapter[3], kAdapter[4], kAdapter[5]});
    if (f.flags & 2) put(6, {kSwitch[0], kSwitch[1], kSwitch[2], kSwitch[3], kSwitch[4], kSwitch[5]});
    if (f.flags & 4) put(f.flags & 8 ? 16 : 12, {0x88, 0x99, 0x01, 0x81});
    return true;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

// All of an input's frames, into the first elements of frames; returns how many. Elements are
// never given back, so that their buffers serve the next inputs: an input that freed fewer buffers
// than it took would look like a leak, and libFuzzer would run it again to check.
inline size_t SplitFrames(const uint8_t* data, size_t size, std::vector<FuzzFrame>& frames) {
  FrameReader reader(data, size);
  size_t count = 0;
  for (;; ++count) {
    if (count == frames.size()) frames.emplace_back();
    if (!reader.Next(frames[count])) return count;
  }
}

}  // namespace velkor::fuzz
