// The register engine's reply matching, for a single read and for a batch: whatever the segment
// sends back, a read is answered only by a reply that the acceptance tests pass for its register,
// and a batch entry only by one for its own.
#include <cstdint>
#include <set>
#include <sstream>
#include <utility>

#include "fuzz_frames.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"
#include "transport/transport_session.h"

namespace {

using namespace velkor;

// Answers every frame the host sends with the input's next frame, a few microseconds later.
class ScriptedSegment final : public WireEndpoint {
 public:
  explicit ScriptedSegment(std::vector<fuzz::FuzzFrame> frames) : frames_(std::move(frames)) {}
  void OnHostFrame(std::span<const uint8_t> frame, uint64_t nowUs,
                   std::vector<TimedFrame>& replies) override {
    constexpr uint8_t kHello = 0x00;
    if (frame[15] != kHello && next_ < frames_.size()) {
      const fuzz::FuzzFrame& f = frames_[next_++];
      replies.push_back({nowUs + (f.flags >> 4) * 100, f.bytes});
    }
  }
  // Every (register, value) that a reply from the switch carried.
  std::set<std::pair<uint16_t, uint32_t>> Offered() const {
    std::set<std::pair<uint16_t, uint32_t>> offered;
    for (const fuzz::FuzzFrame& f : frames_)
      if (const auto layout = IsGetReply(f.bytes, fuzz::kAdapter, fuzz::kSwitch))
        offered.insert({ReplyRegister(f.bytes, *layout), ReplyData(f.bytes, *layout)});
    return offered;
  }

 private:
  std::vector<fuzz::FuzzFrame> frames_;
  size_t next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  // The first byte picks the registers: a single read of 0x02xx and a batch of up to 7 after it.
  const uint8_t pick = data[0];
  ScriptedSegment segment(fuzz::SplitFrames(data + 1, size - 1));
  VirtualClock clock;
  MemoryWire wire(clock);
  wire.AddDevice({"eth0"}, fuzz::kAdapter, &segment);
  std::ostringstream errors;
  BusyIndicator busy;
  TransportSession transport(wire, clock, errors, busy);
  fuzz::Require(transport.link.EnumerateAdapters() == 0 && transport.link.OpenChannels(0) == 0);
  // The switch introduces itself, so that the engine addresses it.
  std::vector<uint8_t> hello(60);
  std::copy(fuzz::kAdapter.begin(), fuzz::kAdapter.end(), hello.begin());
  std::copy(fuzz::kSwitch.begin(), fuzz::kSwitch.end(), hello.begin() + 6);
  hello[12] = 0x88, hello[13] = 0x99, hello[14] = 0x01, hello[15] = 0x80, hello[30] = 1;
  wire.Inject("eth0", {1000, hello});
  transport.discovery.Discover();
  transport.discovery.Select(0);
  fuzz::Require(transport.discovery.SelectedMac() == fuzz::kSwitch);
  const auto offered = segment.Offered();

  const uint16_t single = 0x0200 | pick;
  const RegisterRead read = transport.engine.ReadRegister(single);
  fuzz::Require(!read.answered || offered.count({single, read.value}));

  RegisterEngine& engine = transport.engine;
  engine.BeginBatch();
  std::vector<std::pair<uint16_t, int>> entries;
  for (int i = 0; i < (pick & 7); ++i) {
    const auto reg = static_cast<uint16_t>(0x0200 + ((pick >> 3) + i) % 32);
    entries.push_back({reg, engine.QueueRead(reg)});
  }
  engine.TransmitBatch();
  for (const auto& [reg, index] : entries)
    fuzz::Require(!engine.BatchAnswered(index) || offered.count({reg, engine.BatchValue(index)}));
  return 0;
}
