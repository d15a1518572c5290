#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "pages/switch/feature_context.h"
#include "transport/register_values.h"

namespace velkor {

// The switch-wide traffic controls; the last two are on the page but hidden.
enum class GlobalControl { kBroadcastControl, kMulticastControl, kStormFilter, kLoopDetect, kIgmpSnooping };
inline constexpr size_t kGlobalControlCount = 5;

// Whether each control is on, by GlobalControl; none where its register did not answer.
using GlobalState = std::array<std::optional<bool>, kGlobalControlCount>;

// Whether control is on, from the value of its register; none when that has no value.
std::optional<bool> GlobalControlOf(GlobalControl control, const RegisterValues& values);

// The page "全局设置": each control is one bit of a chip register, written at once.
class GlobalSettings {
 public:
  explicit GlobalSettings(FeatureContext& context) : c_(context) {}

  Outcome Fill();
  const GlobalState& State() const { return state_; }
  // Changes only the control's bit; a register that does not answer is not written.
  Outcome Set(GlobalControl control, bool on);

 private:
  FeatureContext& c_;
  GlobalState state_;
};

}  // namespace velkor
