// The hello collector: one input is a run of frames (see fuzz_frames.h), so it can carry hundreds
// of replies and push the hello and switch tables past their bounds. The high four bits of a
// frame's flags delay it by steps of 10 ms, into the rounds in which a flood's switches are proved.
// A frame shorter than Ethernet's 60 bytes arrives padded with zeros, as its sender must send it:
// a flood then takes about 35 input bytes a switch, not 62.
#include <array>
#include <cstdint>
#include <numeric>
#include <span>
#include <vector>

#include "fuzz_frames.h"
#include "fuzz_wire.h"
#include "transport/discovery.h"

namespace {

using namespace velkor;

constexpr uint64_t kArrivalStepUs = 10'000;
constexpr size_t kShortestFrame = 60;
// The longest the discovery listens after it sends: after its hello, and after each round of proofs.
constexpr uint64_t kListenUs = 40'000;

// The input's frames, in order of arrival (and of the input among equals), as the channels would
// queue them anyway. Each time the host sends, the segment lets go of those due before the host
// stops listening: frames due after the discovery ends are never sent at all, which spares a
// run without proofs most of its frames.
class FloodSegment final : public WireEndpoint {
 public:
  void Start(std::span<const fuzz::FuzzFrame> frames, uint64_t startUs) {
    frames_ = frames;
    startUs_ = startUs;
    next_ = 0;
    // A frame's delay is one of a few steps, so they are counted out rather than sorted.
    std::array<size_t, fuzz::kArrivalSteps + 1> first{};
    for (const fuzz::FuzzFrame& f : frames) ++first[Step(f) + 1];
    std::partial_sum(first.begin(), first.end(), first.begin());
    order_.resize(frames.size());
    for (size_t i = 0; i < frames.size(); ++i) order_[first[Step(frames[i])]++] = i;
  }

  void OnHostFrame(std::span<const uint8_t>, uint64_t nowUs, std::vector<TimedFrame>& replies) override {
    for (; next_ < order_.size(); ++next_) {
      const fuzz::FuzzFrame& f = frames_[order_[next_]];
      const uint64_t at = startUs_ + Step(f) * kArrivalStepUs;
      if (at > nowUs + kListenUs) break;
      replies.push_back({at, f.bytes});
    }
  }

 private:
  static size_t Step(const fuzz::FuzzFrame& f) { return static_cast<size_t>(f.flags >> 4); }

  std::span<const fuzz::FuzzFrame> frames_;
  std::vector<size_t> order_;
  size_t next_ = 0;
  uint64_t startUs_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using fuzz::Require;
  static FloodSegment segment;
  static fuzz::FuzzWire net(&segment);
  static std::vector<fuzz::FuzzFrame> buffers;
  const size_t count = fuzz::SplitFrames(data, size, buffers);
  const std::span<fuzz::FuzzFrame> frames(buffers.data(), count);
  for (fuzz::FuzzFrame& f : frames)
    if (f.bytes.size() < kShortestFrame) f.bytes.resize(kShortestFrame);
  Discovery discovery(net.link, net.clock);

  // Inputs of odd length arrive during one discovery, through the discovery channel's filter;
  // those of even length go straight to the collector, unfiltered, where it must keep more
  // candidates than the tables show and never more than its own bound. One way per input: a
  // discovery with its proofs costs several times what the collector alone does.
  if (size % 2) {
    segment.Start(frames, net.clock.NowUs() + 1000);
    discovery.Discover();
    Require(discovery.HelloRecordCount() <= kMaxHelloRecords && discovery.SwitchCount() <= kMaxSwitches);
    Require(discovery.SwitchCount() <= discovery.HelloRecordCount());
  } else {
    for (const auto& f : frames) {
      discovery.CollectHello(f.bytes);
      Require(discovery.HelloRecordCount() <= kMaxHelloCandidates);
    }
  }
  net.Clear(fuzz::kArrivalSteps * kArrivalStepUs);
  return 0;
}
