#pragma once

#include <cstdint>
#include <deque>
#include <unordered_map>
#include <vector>

#include "sim/emulated_switch.h"
#include "sim/frame_codec.h"
#include "sim/reply_faults.h"
#include "testing/memory_wire.h"

namespace velkor::sim {

// Management frames one switch has taken in (not counting those for other switches).
struct FrameCounts {
  uint64_t hellos = 0;
  uint64_t gets = 0;
  uint64_t sets = 0;
  uint64_t rejected = 0;  // wrong key, unknown opcode, or management off on the incoming port
  uint64_t Total() const { return hellos + gets + sets + rejected; }
};

struct ReceivedWrite {
  uint16_t reg;
  uint32_t value;
  uint64_t atUs;
};

// The upstream end of a switch's incoming link, as its hello reply names it.
struct PeerLink {
  Mac mac{};  // zero when the host is attached directly
  uint8_t port = 0;
};

// The switch firmware's management side: takes the frames addressed to the switch, checks the
// key, answers hello and get after the latency, applies set, and suffers the injected faults.
class ManagementAgent {
 public:
  ManagementAgent(EmulatedSwitch& chip, const SwitchSetup& setup)
      : chip_(chip), faults_(setup.seed), latencyUs_(setup.timing.latencyUs) {}

  void OnRequest(const Request& request, const PeerLink& upstream, uint64_t nowUs,
                 std::vector<TimedFrame>& replies);

  ReplyFaults& Faults() { return faults_; }
  // The switch takes in nothing between fromUs and untilUs, as if its management were dead;
  // it still forwards frames to the switches behind it.
  void StopAnswering(uint64_t fromUs = 0, uint64_t untilUs = UINT64_MAX);
  void ResumeAnswering() { StopAnswering(0, 0); }
  // From fromUs on, the switch falls silent for forUs at the start of every periodUs.
  void StopAnsweringEvery(uint64_t fromUs, uint64_t periodUs, uint64_t forUs);
  void SetLatencyUs(uint64_t us) { latencyUs_ = us; }

  const FrameCounts& Frames() const { return frames_; }
  // The sets the switch applied, in order; the oldest go beyond kWriteHistory.
  static constexpr size_t kWriteHistory = 65536;
  const std::deque<ReceivedWrite>& Writes() const { return writes_; }
  void ClearHistory();

 private:
  bool AddressedToMe(const Request& request) const;
  bool Silent(uint64_t nowUs) const;
  void Send(std::vector<uint8_t> frame, const ReplyPlan& plan, uint64_t nowUs,
            std::vector<TimedFrame>& replies);
  // What a hostile or broken segment adds around a get reply: a spoofed answer, a stale copy.
  void AddGetImpostors(const Request& request, uint16_t reg, uint32_t value, const ReplyPlan& plan,
                       uint64_t nowUs, std::vector<TimedFrame>& replies);
  // Made-up switches answering a hello, count of them at atUs.
  void AddFakeHellos(const Request& request, uint64_t count, uint64_t atUs, std::vector<TimedFrame>& replies);
  uint64_t ReplyTime(const ReplyPlan& plan, uint64_t nowUs) const {
    return nowUs + latencyUs_ + plan.extraDelayUs;
  }

  EmulatedSwitch& chip_;
  ReplyFaults faults_;
  uint64_t latencyUs_;
  uint64_t lastInOrderUs_ = 0;  // when the latest reply not held back by a fault arrives
  uint64_t silentFromUs_ = 0;
  uint64_t silentUntilUs_ = 0;
  uint64_t silentPeriodUs_ = 0;
  uint64_t silentForUs_ = 0;
  FrameCounts frames_;
  std::deque<ReceivedWrite> writes_;
  std::unordered_map<uint16_t, uint32_t> lastReplied_;  // the value each register's last reply carried
};

}  // namespace velkor::sim
