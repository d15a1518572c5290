// The register engine's reply matching, for a single read and for a batch: whatever the segment
// sends back, a read is answered only by a reply that the acceptance tests pass for its register,
// and a batch entry only by one for its own.
#include <cstdint>
#include <optional>
#include <set>
#include <utility>

#include "fuzz_frames.h"
#include "fuzz_wire.h"
#include "transport/discovery.h"
#include "transport/register_engine.h"

namespace {

using namespace velkor;

constexpr uint64_t kArrivalStepUs = 100;

// Answers each get the host sends with the input's next frame, up to 1.5 ms later. Once the input
// has run out it answers at once, as a switch would, so that no read waits out its asks on a
// silence the input did not ask for.
class ScriptedSegment final : public WireEndpoint {
 public:
  // The frames are read from the input as the asks come: a read uses a few dozen at most.
  void Start(const uint8_t* data, size_t size) { frames_.emplace(data, size); }
  void Finish() {
    frames_.reset();
    offered_.clear();
  }

  void OnHostFrame(std::span<const uint8_t> frame, uint64_t nowUs,
                   std::vector<TimedFrame>& replies) override {
    if (frame[15] != static_cast<uint8_t>(Opcode::kGet)) return;
    TimedFrame reply{nowUs, {}};
    if (frames_->Next(frame_)) {
      reply = {nowUs + (frame_.flags >> 4) * kArrivalStepUs, frame_.bytes};
    } else {
      const uint16_t reg = static_cast<uint16_t>(frame[18] | frame[19] << 8);
      reply.bytes = Answer(reg, 0xA5000000u | reg);
    }
    if (const auto layout = IsGetReply(reply.bytes, fuzz::kAdapter, fuzz::kSwitch))
      offered_.insert({ReplyRegister(reply.bytes, *layout), ReplyData(reply.bytes, *layout)});
    replies.push_back(std::move(reply));
  }

  // Every (register, value) that a reply from the switch carried.
  const std::set<std::pair<uint16_t, uint32_t>>& Offered() const { return offered_; }

 private:
  // A request from the switch to the adapter has the layout of a reply.
  static std::vector<uint8_t> Answer(uint16_t reg, uint32_t value) {
    const ManagementFrame f = BuildSet(/*from*/ fuzz::kSwitch, /*to*/ fuzz::kAdapter, reg, value);
    std::vector<uint8_t> bytes(f.begin(), f.end());
    bytes[15] = static_cast<uint8_t>(Opcode::kGetReply);
    return bytes;
  }

  std::optional<fuzz::FrameReader> frames_;
  fuzz::FuzzFrame frame_;
  std::set<std::pair<uint16_t, uint32_t>> offered_;
};

// The wire, and the switch discovered and selected on it, once; each input has an engine of its own,
// so that nothing an input taught it decides the next one.
struct Fixture {
  Fixture() {
    // The switch introduces itself, so that the engine addresses it.
    std::vector<uint8_t> hello(60);
    std::copy(fuzz::kAdapter.begin(), fuzz::kAdapter.end(), hello.begin());
    std::copy(fuzz::kSwitch.begin(), fuzz::kSwitch.end(), hello.begin() + 6);
    hello[12] = 0x88, hello[13] = 0x99, hello[14] = 0x01, hello[15] = 0x80, hello[30] = 1;
    net.wire.Inject("eth0", {1000, hello});
    discovery.Discover();
    discovery.Select(0);
    fuzz::Require(discovery.SelectedMac() == fuzz::kSwitch);
  }

  ScriptedSegment segment;
  fuzz::FuzzWire net{&segment};
  Discovery discovery{net.link, net.clock};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  static Fixture fixture;
  // The first byte picks the registers: a single read of 0x02xx and a batch of up to 7 after it.
  const uint8_t pick = data[0];
  fixture.segment.Start(data + 1, size - 1);
  RegisterEngine engine(fixture.net.link, fixture.discovery, fixture.net.clock);
  const auto& offered = fixture.segment.Offered();

  const uint16_t single = 0x0200 | pick;
  const RegisterRead read = engine.ReadRegister(single);
  fuzz::Require(!read.answered || offered.count({single, read.value}));

  engine.BeginBatch();
  std::vector<std::pair<uint16_t, int>> entries;
  for (int i = 0; i < (pick & 7); ++i) {
    const auto reg = static_cast<uint16_t>(0x0200 + ((pick >> 3) + i) % 32);
    entries.push_back({reg, engine.QueueRead(reg)});
  }
  engine.TransmitBatch();
  for (const auto& [reg, index] : entries)
    fuzz::Require(!engine.BatchAnswered(index) || offered.count({reg, engine.BatchValue(index)}));
  fixture.segment.Finish();
  fixture.net.Clear(fuzz::kArrivalSteps * kArrivalStepUs);
  return 0;
}
