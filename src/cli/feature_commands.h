#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "pages/switch/feature_context.h"

namespace velkor::cli {

// What the switch-feature commands share: the pages' context on the connected session, the
// port operand and on/off words.
FeatureContext FeaturesOf(CtlSession& session);
// PORTS as list rows, or none after the reason went to the error stream.
std::optional<std::vector<size_t>> PortRows(CommandContext& c, const std::string& text);
std::optional<bool> OnOff(const std::string& text);
// A usage error of the command, with what it expects.
int FeatureUsage(CommandContext& c, const std::string& expects);

}  // namespace velkor::cli
