// The hello collector: one input is a run of frames (see fuzz_frames.h), so it can carry hundreds
// of replies and push the hello and switch tables past their bounds. The high four bits of a
// frame's flags delay it by steps of 10 ms, into the rounds in which a flood's switches are proved.
#include <algorithm>
#include <cstdint>
#include <utility>
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
  // that way none is sorted in.
  const uint64_t start = net.clock.NowUs() + 1000;
  std::vector<std::pair<uint64_t, size_t>> arrivals;
  for (size_t i = 0; i < frames.size(); ++i)
    arrivals.push_back({start + (frames[i].flags >> 4) * kArrivalStepUs, i});
  std::sort(arrivals.begin(), arrivals.end());
  for (const auto& [at, i] : arrivals) net.wire.Inject("eth0", {at, frames[i].bytes});
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
