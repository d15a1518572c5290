// Received frames are the one input anyone on the segment controls. The input is a run of frames,
// each a length byte followed by that many bytes (the last one takes what is left), so one input
// can carry hundreds of replies and push the hello and switch tables past their bounds.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>
#include <vector>

#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"
#include "transport/discovery.h"
#include "transport/frame.h"

namespace {

using namespace velkor;

constexpr Mac kAdapter{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};
constexpr Mac kSwitch{0x00, 0xE0, 0x4C, 0x00, 0x00, 0x10};

std::vector<std::vector<uint8_t>> SplitFrames(const uint8_t* data, size_t size) {
  std::vector<std::vector<uint8_t>> frames;
  size_t at = 0;
  while (at < size) {
    const size_t declared = data[at++];
    const size_t length = std::min(declared, size - at);
    frames.emplace_back(data + at, data + at + length);
    at += length;
  }
  return frames;
}

void Require(bool condition) {
  if (!condition) std::abort();
}

void CheckReplyTests(std::span<const uint8_t> frame) {
  if (const auto layout = IsGetReply(frame, kAdapter, kSwitch)) {
    volatile uint32_t sink = ReplyRegister(frame, *layout) ^ ReplyData(frame, *layout);
    (void)sink;
  }
  if (const auto layout = IsHelloReply(frame, kAdapter)) {
    const HelloFields h = ParseHelloReply(frame, *layout);
    volatile uint8_t sink = h.localPort ^ h.peerPort ^ h.modelWord[2];
    (void)sink;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto frames = SplitFrames(data, size);
  VirtualClock clock;
  MemoryWire wire(clock);
  wire.AddDevice({"eth0"}, kAdapter, nullptr);
  std::ostringstream errors;
  Link link(wire, errors);
  Discovery discovery(link, clock);
  Require(link.EnumerateAdapters() == 0 && link.OpenChannels(0) == 0);

  // The whole run arrives during one discovery, through the discovery channel's filter.
  for (const auto& f : frames) wire.Inject("eth0", {1000, f});
  discovery.Discover();
  Require(discovery.HelloRecordCount() <= kMaxHelloRecords && discovery.SwitchCount() <= kMaxSwitches);
  Require(discovery.SwitchCount() <= discovery.HelloRecordCount());

  // And every frame once more straight to the collector, unfiltered.
  for (const auto& f : frames) {
    CheckReplyTests(f);
    discovery.CollectHello(f);
    Require(discovery.HelloRecordCount() <= kMaxHelloCandidates);
  }
  return 0;
}
