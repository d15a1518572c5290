#pragma once

#include <cstdint>
#include <map>

namespace velkor {

// What the register engine knows of replies still to come: which asks of ended reads may yet be
// answered, and how long to wait before a reply counts as overdue.
//
// A reply names its register but not the ask it answers, and replies come in the order of their
// asks: a reply for a register whose ended read left asks unanswered answers one of those, never
// the read that waits now. Such asks are taken for lost kLateReplyUs after their read ended.
//
// The wait is a few round trips as measured on asks answered at once, never less than the least
// given; every repeated ask doubles it (up to kMostOverdueUs) until such a measurement comes, so a
// switch that has become slow is not asked twice for everything.
class LateReplies {
 public:
  static constexpr uint64_t kLateReplyUs = 100'000;
  static constexpr uint64_t kMostOverdueUs = 20'000;

  // leastOverdueUs: the wait on a prompt switch; most: the asks remembered per register.
  LateReplies(uint64_t leastOverdueUs, unsigned most)
      : least_(leastOverdueUs), overdue_(least_), most_(most) {}

  uint64_t OverdueUs() const { return overdue_; }
  // An ask that was not repeated was answered after roundTripUs.
  void Measured(uint64_t roundTripUs);
  // An ask is repeated.
  void BackOff();

  // A read of reg ended at nowUs with asks of its asks unanswered.
  void Expect(uint16_t reg, unsigned asks, uint64_t nowUs);
  // Whether a reply for reg, arriving at nowUs, answers an ask of an ended read; it is counted off.
  bool Stale(uint16_t reg, uint64_t nowUs);

 private:
  struct Pending {
    unsigned asks = 0;
    uint64_t sinceUs = 0;
  };

  uint64_t least_;
  uint64_t overdue_;
  uint64_t roundTripUs_ = 0;  // smoothed
  unsigned most_;
  std::map<uint16_t, Pending> pending_;
};

}  // namespace velkor
