#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pages/switch/feature_context.h"
#include "pages/switch/port_bits.h"

namespace velkor {

// What the page "安全设置" shows after its last fill.
struct SecurityState {
  bool passwordShown = true;     // the QX-G26A has no connection password
  std::vector<PortBitRow> rows;  // set: management through the port is off
};

// The page "安全设置": the connection password and, per port, whether the switch answers the
// management computer through it.
class Security {
 public:
  explicit Security(FeatureContext& context) : c_(context) {}

  Outcome Fill();
  const SecurityState& State() const { return state_; }

  // Asks first; refuses a wrong current password, two new entries that differ and an empty new
  // password, each with its message. Done only when the stored password reads back as the new one.
  Outcome ChangePassword(std::string_view current, std::string_view next, std::string_view again);
  // Management off for the given rows refuses the port the computer uses, with its message, and
  // still changes the others (the outcome is then kRefused).
  Outcome SetManagement(const std::vector<size_t>& rows, bool enabled);

 private:
  FeatureContext& c_;
  SecurityState state_;
};

}  // namespace velkor
