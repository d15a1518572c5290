#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "sim/emulated_switch.h"
#include "sim/management_agent.h"
#include "testing/memory_wire.h"
#include "transport/clock.h"

namespace velkor::sim {

// Several switches on the host's wire: some attached directly, others cascaded behind a port of
// another switch. A frame reaches a switch only while every port on its path is switched on and
// no switch on the way is restarting.
class Segment final : public WireEndpoint {
 public:
  explicit Segment(Clock& clock) : clock_(clock) {}

  // The new switch's index, or -1 when its parent is not an earlier switch. The parent's port
  // leading to it comes up.
  int AddSwitch(const SwitchSetup& setup);
  size_t Count() const { return nodes_.size(); }
  EmulatedSwitch& Switch(size_t i) { return *nodes_.at(i).chip; }
  ManagementAgent& Agent(size_t i) { return *nodes_.at(i).agent; }
  // The switch that currently answers to mac, or null.
  EmulatedSwitch* Find(const Mac& mac);
  void PowerCycleAll();

  void OnHostFrame(std::span<const uint8_t> frame, uint64_t nowUs, std::vector<TimedFrame>& replies) override;

 private:
  struct Node {
    std::unique_ptr<EmulatedSwitch> chip;
    std::unique_ptr<ManagementAgent> agent;
    std::optional<Upstream> parent;
  };

  bool Reachable(size_t i) const;
  PeerLink UpstreamOf(size_t i) const;

  Clock& clock_;
  std::vector<Node> nodes_;
};

}  // namespace velkor::sim
