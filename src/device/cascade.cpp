#include "device/cascade.h"

namespace velkor {

namespace {

constexpr Mac kNoMac{};

std::optional<size_t> SwitchIndexOf(const Discovery& discovery, const Mac& mac) {
  for (size_t i = 0; i < discovery.SwitchCount(); ++i)
    if (discovery.Switch(i)->mac == mac) return i;
  return std::nullopt;
}

// The switch's first hello reply: the path the hello took to it first.
const HelloRecord* FirstHelloOf(const Discovery& discovery, const Mac& mac) {
  for (size_t h = 0; h < discovery.HelloRecordCount(); ++h)
    if (discovery.Hello(h)->switchMac == mac) return discovery.Hello(h);
  return nullptr;
}

// Whether following the parents up from i comes back to i; at most one step per switch.
bool InLoop(const std::vector<CascadeNode>& nodes, size_t i) {
  std::optional<size_t> at = nodes[i].parent;
  for (size_t steps = 0; at && steps < nodes.size(); ++steps) {
    if (*at == i) return true;
    at = nodes[*at].parent;
  }
  return false;
}

}  // namespace

Cascade BuildCascade(const Discovery& discovery) {
  Cascade cascade;
  cascade.nodes.resize(discovery.SwitchCount());
  for (size_t i = 0; i < cascade.nodes.size(); ++i) {
    CascadeNode& node = cascade.nodes[i];
    const HelloRecord* hello = FirstHelloOf(discovery, discovery.Switch(i)->mac);
    if (!hello) continue;
    node.upstreamMacText = hello->peerMacText;
    node.upstreamPort = hello->peerPort;
    node.localPort = hello->localPort;
    if (hello->peerMac == kNoMac) continue;
    node.parent = SwitchIndexOf(discovery, hello->peerMac);
    node.upstreamMissing = !node.parent;
    if (node.parent == i) {
      node.parent.reset();
      node.loopCut = true;
    }
  }
  // Cutting one link of a loop, at its first switch in table order, leaves the others hanging on it.
  for (size_t i = 0; i < cascade.nodes.size(); ++i)
    if (InLoop(cascade.nodes, i)) {
      cascade.nodes[i].parent.reset();
      cascade.nodes[i].loopCut = true;
    }
  for (size_t i = 0; i < cascade.nodes.size(); ++i) {
    const auto parent = cascade.nodes[i].parent;
    (parent ? cascade.nodes[*parent].children : cascade.roots).push_back(i);
  }
  return cascade;
}

}  // namespace velkor
