#pragma once

#include <algorithm>
#include <vector>

namespace velkor::bench {

// The value below which the given share of the samples lies (0.5: the median).
inline double Percentile(std::vector<double> samples, double share) {
  if (samples.empty()) return 0;
  std::sort(samples.begin(), samples.end());
  const auto at = static_cast<size_t>(share * static_cast<double>(samples.size() - 1) + 0.5);
  return samples[at];
}

}  // namespace velkor::bench
