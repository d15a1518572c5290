#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velkor::cli {

// One port's readings for the metrics exposition; a reading the switch did not give is left out,
// never written as 0.
struct PortMetrics {
  std::string port;  // the front-panel name
  std::string description;
  // By TrafficCounter: the 64-bit count and the unit it counts in.
  std::array<std::optional<uint64_t>, 3> counts;
  std::array<std::string, 3> units;
  std::optional<bool> linkUp;
};

// The switch every sample belongs to.
struct SwitchLabels {
  std::string mac;
  std::string model;
};

// A label value with backslash, double quote and line feed escaped: descriptions are user text.
std::string PrometheusLabelValue(std::string_view text);

// The Prometheus text exposition of the ports' counters and link state, for node_exporter's
// textfile collector.
std::string PrometheusText(const SwitchLabels& labels, const std::vector<PortMetrics>& ports);

}  // namespace velkor::cli
