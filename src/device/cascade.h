#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "transport/discovery.h"

namespace velkor {

// Where a switch of the last discovery hangs: behind a port of another switch, or (with no
// parent) on this computer's segment itself.
struct CascadeNode {
  std::optional<size_t> parent;  // the upstream switch's index in the switch table
  // The upstream as the switch's first hello reply names it, whether or not it was found: all
  // zero when this computer is attached directly.
  std::string upstreamMacText;
  uint8_t upstreamPort = 0;      // the upstream switch's chip port it hangs on
  uint8_t localPort = 0;         // its own chip port that faces this computer
  bool upstreamMissing = false;  // the named upstream is no switch of the table
  bool loopCut = false;          // its upstream chain led back to it; it is put at the top instead
  std::vector<size_t> children;  // in switch table order
};

// The cascade tree of the last discovery, node i for switch i. Hello replies are untrusted:
// self-parents, loops and unknown upstreams all end at the top, so every switch appears once and
// walking the tree always ends.
struct Cascade {
  std::vector<CascadeNode> nodes;
  std::vector<size_t> roots;  // in switch table order
};
Cascade BuildCascade(const Discovery& discovery);

}  // namespace velkor
