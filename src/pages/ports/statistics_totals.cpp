#include "pages/ports/statistics_totals.h"

namespace velkor {

void CounterTotal::Start(std::optional<uint32_t> raw) {
  total_ = 0;
  last_ = raw.value_or(0);
  hasLast_ = raw.has_value();
}

void CounterTotal::Take(uint32_t raw) {
  // Unsigned 32-bit subtraction is raw - last, or raw + 2^32 - last after a wrap.
  if (hasLast_) total_ += static_cast<uint32_t>(raw - last_);
  last_ = raw;
  hasLast_ = true;
}

}  // namespace velkor
