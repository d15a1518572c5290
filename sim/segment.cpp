#include "sim/segment.h"

namespace velkor::sim {

int Segment::AddSwitch(const SwitchSetup& setup) {
  if (setup.parent && setup.parent->index >= nodes_.size()) return -1;
  Node node;
  node.chip = std::make_unique<EmulatedSwitch>(setup, clock_);
  node.agent = std::make_unique<ManagementAgent>(*node.chip, setup);
  node.parent = setup.parent;
  if (setup.parent) {
    EmulatedSwitch& up = *nodes_[setup.parent->index].chip;
    up.SetLinkStatus(setup.parent->port, up.LinkUpStatus(setup.parent->port));
  }
  nodes_.push_back(std::move(node));
  return static_cast<int>(nodes_.size() - 1);
}

EmulatedSwitch* Segment::Find(const Mac& mac) {
  for (Node& n : nodes_)
    if (n.chip->MacAddress() == mac) return n.chip.get();
  return nullptr;
}

void Segment::PowerCycleAll() {
  for (Node& n : nodes_) n.chip->PowerCycle();
}

bool Segment::Reachable(size_t i) const {
  const Node& n = nodes_[i];
  if (!n.chip->PortOn(n.chip->LocalPort())) return false;
  if (!n.parent) return true;
  const EmulatedSwitch& up = *nodes_[n.parent->index].chip;
  return !up.Restarting() && up.PortOn(n.parent->port) && Reachable(n.parent->index);
}

PeerLink Segment::UpstreamOf(size_t i) const {
  const Node& n = nodes_[i];
  if (!n.parent) return {};
  return {nodes_[n.parent->index].chip->MacAddress(), n.parent->port};
}

void Segment::OnHostFrame(std::span<const uint8_t> frame, uint64_t nowUs, std::vector<TimedFrame>& replies) {
  const auto request = ParseRequest(frame);
  if (!request) return;
  for (size_t i = 0; i < nodes_.size(); ++i)
    if (Reachable(i)) nodes_[i].agent->OnRequest(*request, UpstreamOf(i), nowUs, replies);
}

}  // namespace velkor::sim
