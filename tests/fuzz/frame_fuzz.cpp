// Every acceptance path of a received frame, tagged and untagged: the tests and the field readers
// they guard, on one frame, with nothing else around them.
#include <cstdint>

#include "fuzz_frames.h"
#include "transport/frame.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velkor;
  fuzz::FuzzFrame f;
  for (fuzz::FrameReader reader(data, size); reader.Next(f);) {
    if (const auto layout = IsGetReply(f.bytes, fuzz::kAdapter, fuzz::kSwitch)) {
      fuzz::Require(f.bytes.size() >= 24 + layout->Shift());
      volatile uint32_t sink = ReplyRegister(f.bytes, *layout) ^ ReplyData(f.bytes, *layout);
      (void)sink;
    }
    if (const auto layout = IsHelloReply(f.bytes, fuzz::kAdapter)) {
      fuzz::Require(f.bytes.size() >= 32 + layout->Shift());
      const HelloFields h = ParseHelloReply(f.bytes, *layout);
      volatile uint8_t sink = h.localPort ^ h.peerPort ^ h.modelWord[2] ^ h.helloWord[0];
      (void)sink;
    }
  }
  return 0;
}
