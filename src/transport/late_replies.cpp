#include "transport/late_replies.h"

#include <algorithm>

namespace velkor {

void LateReplies::Expect(uint16_t reg, unsigned asks, uint64_t nowUs) {
  if (asks == 0) return;
  Pending& p = pending_[reg];
  if (nowUs - p.sinceUs >= kLateReplyUs) p.asks = 0;
  p.asks = std::min(p.asks + asks, most_);
  p.sinceUs = nowUs;
}

bool LateReplies::Stale(uint16_t reg, uint64_t nowUs) {
  const auto p = pending_.find(reg);
  if (p == pending_.end()) return false;
  const bool stale = nowUs - p->second.sinceUs < kLateReplyUs;
  if (!stale || --p->second.asks == 0) pending_.erase(p);
  return stale;
}

void LateReplies::Measured(uint64_t roundTripUs) {
  roundTripUs_ = roundTripUs_ ? (7 * roundTripUs_ + roundTripUs) / 8 : roundTripUs;
  overdue_ = std::clamp(4 * roundTripUs_, least_, kMostOverdueUs);
}

void LateReplies::BackOff() { overdue_ = std::min(2 * overdue_, kMostOverdueUs); }

}  // namespace velkor
