// The hello collector: one input is a run of frames (see fuzz_frames.h), so it can carry hundreds
// of replies and push the hello and switch tables past their bounds. The high four bits of a
// frame's flags delay it by steps of 10 ms, into the rounds in which a flood's switches are proved.
#include <array>
#include <cstdint>
#include <numeric>
#include <vector>

#include "fuzz_frames.h"
#include "fuzz_wire.h"
#include "transport/discovery.h"

namespace {
constexpr uint64_t kArrivalStepUs = 10'000;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velkor;
  using fuzz::Require;
  static fuzz::FuzzWire net(nullptr);
  const auto frames = fuzz::SplitFrames(data, size);
  Discovery discovery(net.link, net.clock);

  // The whole run arrives during one discovery, through the discovery channel's filter.
  // In order of arrival (and of the input among equals), as the channels would queue them anyway:
  // that way none is sorted in. A frame's delay is one of a few steps, so they are counted out.
  const auto step = [&](size_t i) { return static_cast<size_t>(frames[i].flags >> 4); };
  std::array<size_t, fuzz::kArrivalSteps + 1> first{};
  for (size_t i = 0; i < frames.size(); ++i) ++first[step(i) + 1];
  std::partial_sum(first.begin(), first.end(), first.begin());
  std::vector<size_t> order(frames.size());
  for (size_t i = 0; i < frames.size(); ++i) order[first[step(i)]++] = i;
  const uint64_t start = net.clock.NowUs() + 1000;
  for (const size_t i : order) net.wire.Inject("eth0", {start + step(i) * kArrivalStepUs, frames[i].bytes});
  discovery.Discover();
  Require(discovery.HelloRecordCount() <= kMaxHelloRecords && discovery.SwitchCount() <= kMaxSwitches);
  Require(discovery.SwitchCount() <= discovery.HelloRecordCount());

  // And every frame once more straight to the collector, unfiltered: it keeps more candidates than
  // the tables show, never more than its own bound.
  for (const auto& f : frames) {
    discovery.CollectHello(f.bytes);
    Require(discovery.HelloRecordCount() <= kMaxHelloCandidates);
  }
  net.Clear(fuzz::kArrivalSteps * kArrivalStepUs);
  return 0;
}
