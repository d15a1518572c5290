// The hello collector: one input is a run of frames (see fuzz_frames.h), so it can carry hundreds
// of replies and push the hello and switch tables past their bounds.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>
#include <vector>

#include "fuzz_frames.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"
#include "transport/discovery.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velkor;
  using fuzz::kAdapter;
  using fuzz::Require;
  const auto frames = fuzz::SplitFrames(data, size);
  VirtualClock clock;
  MemoryWire wire(clock);
  wire.AddDevice({"eth0"}, kAdapter, nullptr);
  std::ostringstream errors;
  Link link(wire, errors);
  Discovery discovery(link, clock);
  Require(link.EnumerateAdapters() == 0 && link.OpenChannels(0) == 0);

  // The whole run arrives during one discovery, through the discovery channel's filter.
  for (const auto& f : frames) wire.Inject("eth0", {1000, f.bytes});
  discovery.Discover();
  Require(discovery.HelloRecordCount() <= kMaxHelloRecords && discovery.SwitchCount() <= kMaxSwitches);
  Require(discovery.SwitchCount() <= discovery.HelloRecordCount());

  // And every frame once more straight to the collector, unfiltered: it keeps more candidates than
  // the tables show, never more than its own bound.
  for (const auto& f : frames) {
    discovery.CollectHello(f.bytes);
    Require(discovery.HelloRecordCount() <= kMaxHelloCandidates);
  }
  return 0;
}
