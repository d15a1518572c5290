#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "transport/mac.h"

namespace velkor::sim {

enum class FaultKind {
  kLose,          // no reply
  kDelay,         // the reply comes delayUs late
  kDuplicate,     // the reply comes twice
  kTag,           // the reply carries an 802.1Q tag with vid
  kWrongAddress,  // a get is answered for register (asked + addressOffset), with that register's data
  kSpoof,         // another MAC answers a get first, with a wrong value
  kStale,         // a copy of the register's previous reply comes before (or delayUs after) the fresh one
  kHelloFlood,    // floodCount made-up switches answer a hello before the real reply, as many after
};

enum class FaultTarget { kAll, kHello, kGet };

// One rule for the replies of a switch. It counts the requests it applies to from 1 on, from the
// moment it is added, and strikes: every Nth one (everyNth), or count of them starting at
// number from (default 1), or each with the given chance; with none of these, every one.
struct ReplyFault {
  FaultKind kind = FaultKind::kLose;
  FaultTarget target = FaultTarget::kAll;
  uint64_t everyNth = 0;
  uint64_t from = 0;
  uint64_t count = 0;
  double chance = 0;
  uint64_t delayUs = 0;
  uint16_t vid = 1;
  int addressOffset = 1;
  uint64_t floodCount = 1000;
  std::optional<uint16_t> reg;  // only gets of this register
};

// What becomes of one reply.
struct ReplyPlan {
  bool lost = false;
  uint64_t extraDelayUs = 0;
  unsigned copies = 1;
  std::optional<uint16_t> vid;
  int addressOffset = 0;
  bool spoof = false;
  std::optional<uint64_t> staleDelayUs;  // a stale copy comes, this long after the fresh reply (0: before it)
  uint64_t floodHellos = 0;
};

class ReplyFaults {
 public:
  explicit ReplyFaults(uint64_t seed) : rng_(seed) {}

  void Add(const ReplyFault& fault) { rules_.push_back({fault, 0}); }
  void Clear() { rules_.clear(); }
  // Called once per request that gets a reply (opcode hello or get; reg is a get's register).
  ReplyPlan Plan(uint8_t opcode, uint16_t reg);
  // Made-up but well-formed: unicast, locally administered.
  Mac RandomMac();
  uint32_t RandomValue() { return static_cast<uint32_t>(rng_()); }

 private:
  struct Rule {
    ReplyFault fault;
    uint64_t seen;
  };

  bool Strikes(Rule& rule);

  std::vector<Rule> rules_;
  std::mt19937_64 rng_;
};

}  // namespace velkor::sim
