#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"

namespace velkor::cli {

// stats --prometheus: the 64-bit counters (counted from the chip's own start) and the link state of
// the ports on rows, in the Prometheus text exposition format, on standard output or atomically in
// the file output. With seconds, again every seconds, count times or until stopped.
int PrometheusStats(CommandContext& c, const std::vector<size_t>& rows, uint32_t seconds,
                    std::optional<uint32_t> count, const std::optional<std::string>& output);

}  // namespace velkor::cli
