#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace velkor::sim {

enum class FaultKind {
  kLose,          // no reply
  kDelay,         // the reply comes delayUs late
  kDuplicate,     // the reply comes twice
  kTag,           // the reply carries an 802.1Q tag with vid
  kWrongAddress,  // a get is answered for register (asked + addressOffset), with that register's data
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
  std::optional<uint16_t> reg;  // only gets of this register
};

// What becomes of one reply.
struct ReplyPlan {
  bool lost = false;
  uint64_t extraDelayUs = 0;
  unsigned copies = 1;
  std::optional<uint16_t> vid;
  int addressOffset = 0;
};

class ReplyFaults {
 public:
  explicit ReplyFaults(uint64_t seed) : rng_(seed) {}

  void Add(const ReplyFault& fault) { rules_.push_back({fault, 0}); }
  void Clear() { rules_.clear(); }
  // Called once per request that gets a reply (opcode hello or get; reg is a get's register).
  ReplyPlan Plan(uint8_t opcode, uint16_t reg);

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
