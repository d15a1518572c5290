#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pages/vlan/tag_rules.h"
#include "pages/vlan/vlan_context.h"
#include "pages/vlan/vlan_mode.h"
#include "transport/confirmed_read.h"

namespace velkor {

enum class LeakyOption { kUnicast, kArp };

struct TagRow {
  std::string caption;  // "01" … or "G1", "G2"
  int chipPort = -1;
  std::string rule;
};

// What the page "VLAN设置" shows after its last fill.
struct VlanPageState {
  VlanMode mode = VlanMode::kUndefined;
  bool modeRead = false;  // false: the control register did not answer, the mode is unknown
  bool dropUntagged = false;
  bool dropEnabled = false;
  bool unicastLeaky = false;
  bool arpLeaky = false;
  bool leakyEnabled = false;
  // The QX-G26A has neither leaky option nor the insert rule.
  bool leakyShown = true;
  bool insertShown = true;
  std::optional<int> managementVid;  // the group is shown only with a value
  bool tagListEnabled = false;
  std::vector<TagRow> tagRows;
};

struct TagMenuState {
  bool keep = false;
  bool remove = false;
  bool insert = false;
};

// The page "VLAN设置": the VLAN mode with its default tables, drop-untagged, the leaky options, the
// output tag rules and the management VID. Every change is a read-modify-write that writes nothing
// from a lost read; each ends with a refill from the chip that shows whether it took.
class VlanSettings {
 public:
  explicit VlanSettings(VlanContext& context) : c_(context) {}

  // A new connection: the mode is unknown until the first fill.
  void Connected();
  // A fill whose mode and rules decide a change reads kConfirmed.
  Outcome Fill(BatchReads reads = BatchReads::kShown);
  const VlanPageState& State() const { return state_; }
  VlanMode Mode() const { return mode_; }

  // A mode radio button: asks before leaving a VLAN mode, writes the target's defaults.
  Outcome ApplyVlanMode(VlanMode target);
  Outcome SetDropUntagged(bool drop);
  Outcome SetLeaky(LeakyOption option, bool enabled);
  TagMenuState TagMenuPopup(bool rowSelected);
  // The tag menu on the given tag-list rows; a trunked port's group gets the same rule.
  Outcome SetTagRules(const std::vector<size_t>& rows, TagRule rule);
  Outcome SetManagementVid(std::string_view text);

 private:
  // Steps 7-11 of a mode change: tag fields, mode bits, leaky bits, default table.
  Outcome WriteModeDefaults(VlanMode target, uint32_t control);
  void FillManagementVid();
  std::optional<uint32_t> ReadControl();
  // Refills; kNotVerified when the chip does not show what the change wanted.
  Outcome Refilled(const std::function<bool(const VlanPageState&)>& took);

  VlanContext& c_;
  VlanMode mode_ = VlanMode::kUndefined;
  VlanPageState state_;
};

}  // namespace velkor
