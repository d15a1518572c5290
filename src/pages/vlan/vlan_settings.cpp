#include "pages/vlan/vlan_settings.h"

#include "device/message_table.h"
#include "device/model.h"
#include "device/port_captions.h"
#include "pages/ports/read_back.h"
#include "pages/ports/trunk_groups.h"
#include "pages/vlan/vlan_id.h"
#include "pages/vlan/vlan_init_table.h"
#include "pages/vlan/vlan_registers.h"
#include "transport/confirmed_read.h"

namespace velkor {

using namespace vlan_reg;

namespace {
constexpr uint64_t kModeSettleMs = 1000;
constexpr uint64_t kVidSettleMs = 5;
constexpr uint32_t kModeKeepMask = 0xFFCE;   // all but bits 0, 4, 5
constexpr uint32_t kLeakyKeepMask = 0xFFB1;  // all but bits 1, 2, 3, 6
constexpr uint32_t kDot1qChangedBit = 0x0040;
constexpr uint32_t kAllKeep = 0xFFFF;
constexpr uint32_t kMode26Tags = 0x00FF;
constexpr uint32_t kVidKeepMask = 0xF000;

bool IsVlanMode(VlanMode m) { return m == VlanMode::kPortBased || m == VlanMode::kDot1q; }
}  // namespace

void VlanSettings::Connected() {
  mode_ = VlanMode::kUndefined;
  state_ = {};
}

std::optional<uint32_t> VlanSettings::ReadControl() {
  // Written back with the mode bits changed: a stale copy must not pass for it.
  const RegisterRead read = ReadConfirmed(c_.Engine(), kControl);
  return read.answered ? std::optional(read.value) : std::nullopt;
}

Outcome VlanSettings::Fill(BatchReads reads) {
  if (!c_.connection.State().connected) return Outcome::kSwitchLost;
  const PortLayout& layout = c_.Layout();
  const int model = c_.ModelCode();
  VlanBatch batch(c_.Engine());
  QueueTagRegisters(batch, layout.PortSlots(), model != kModelG26A);
  batch.Queue(kControl);
  const bool answered = batch.Transmit(reads);

  state_.modeRead = answered;
  state_.leakyShown = state_.insertShown = model != kModelG26A;
  const uint32_t control = batch.Value(kControl);
  const VlanMode mode = answered ? DecodeVlanMode(control) : VlanMode::kUndefined;
  mode_ = mode;
  state_.mode = mode;
  if (mode != VlanMode::kUndefined) {
    const bool dot1q = mode == VlanMode::kDot1q;
    state_.dropUntagged = dot1q && (control & kDropUntaggedBit);
    state_.dropEnabled = dot1q;
    state_.tagListEnabled = dot1q;
    state_.leakyEnabled = IsVlanMode(mode);
  }
  if (answered) {
    state_.unicastLeaky = control & kUnicastLeakyBit;
    state_.arpLeaky = control & kArpLeakyBit;
  }
  FillManagementVid();
  state_.tagRows.clear();
  if (state_.tagListEnabled) {
    for (size_t row = 0; row < layout.RowCount(); ++row) {
      const int p = layout.ChipPortOfRow(row);
      const std::string rule =
          answered ? TagRuleTextOf(batch, model, p) : std::string(Message(MessageId::kUnknown));
      state_.tagRows.push_back({RowCaption(layout, row), p, rule});
    }
  }
  return answered ? Outcome::kDone : Outcome::kNoAnswer;
}

void VlanSettings::FillManagementVid() {
  state_.managementVid.reset();
  RegisterEngine& engine = c_.Engine();
  const RegisterRead a = engine.ReadRegister(kManagementProbeA);
  const RegisterRead b = engine.ReadRegister(kManagementProbeB);
  if (!a.answered || !b.answered || a.value == b.value) return;
  const RegisterRead vid = engine.ReadRegister(kManagementVid);
  if (vid.answered) state_.managementVid = static_cast<int>(vid.value & kVidMask);
}

Outcome VlanSettings::Refilled(const std::function<bool(const VlanPageState&)>& took) {
  return ReadBack(c_.Engine(), [&] {
    const Outcome outcome = Fill();
    if (outcome != Outcome::kDone) return outcome;
    return took(state_) ? Outcome::kDone : Outcome::kNotVerified;
  });
}

Outcome VlanSettings::ApplyVlanMode(VlanMode target) {
  if (mode_ == target || target == VlanMode::kUndefined) return Outcome::kDone;
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const auto control = ReadControl();
  if (!control) return c_.Unanswered();
  // A mode the page could not read is no reason to wipe the switch's tables without asking.
  if (!state_.modeRead) mode_ = DecodeVlanMode(*control);
  if (mode_ == target) return Refilled([](const VlanPageState&) { return true; });
  if (IsVlanMode(mode_) && !c_.prompter.Confirm(Message(MessageId::kConfirmVlanModeChange)))
    return Outcome::kNotConfirmed;
  if (target == VlanMode::kPortBased && mode_ == VlanMode::kDot1q) {
    // The chip leaves 802.1Q only through its clean 802.1Q default.
    const auto again = ReadControl();
    if (!again) return c_.Unanswered();
    if (const Outcome o = WriteModeDefaults(VlanMode::kDot1q, *again); o != Outcome::kDone) return o;
    c_.Engine().GetClock().SleepMs(kModeSettleMs);
  }
  mode_ = target;
  if (const Outcome o = WriteModeDefaults(target, *control); o != Outcome::kDone) return o;
  return Refilled([target](const VlanPageState& s) { return s.mode == target; });
}

Outcome VlanSettings::WriteModeDefaults(VlanMode target, uint32_t control) {
  RegisterEngine& engine = c_.Engine();
  // Every port's tag field becomes "leave unchanged": chip ports 0-23, and 24-25 on the QX-G26A.
  for (int p = 0; p < 24; p += 8) engine.WriteRegister(TagRegister(p), kAllKeep);
  if (c_.ModelCode() == kModelG26A) engine.WriteRegister(TagRegister(24), kMode26Tags);
  engine.WriteRegister(kControl, (control & kModeKeepMask) | ModeBits(target));
  const auto fresh = ReadControl();
  if (!fresh) return c_.Unanswered();
  engine.WriteRegister(kControl,
                       (*fresh & kLeakyKeepMask) | (target == VlanMode::kDot1q ? kDot1qChangedBit : 0));
  const Outcome outcome = InitVlanTable(c_, target);
  return outcome == Outcome::kNoAnswer ? c_.Unanswered() : outcome;
}

Outcome VlanSettings::SetDropUntagged(bool drop) {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const PortLayout& layout = c_.Layout();
  const int model = c_.ModelCode();
  const auto control = ReadControl();
  if (!control) return c_.Unanswered();
  if (!drop) {
    c_.Engine().WriteRegister(kControl, *control & ~kDropUntaggedBit);
    return Refilled([](const VlanPageState& s) { return !s.dropUntagged; });
  }
  // Read before anything is written, so that a lost reply leaves the switch as it was.
  VlanBatch batch(c_.Engine());
  QueueTagRegisters(batch, layout.PortSlots(), true);
  if (!batch.Transmit(BatchReads::kConfirmed)) return c_.Unanswered();
  c_.Engine().WriteRegister(kControl, *control | kDropUntaggedBit);
  const std::string insertText(Message(MessageId::kInsertVlanTag));
  int converted = 0;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    if (p < 0 || TagRuleTextOf(batch, model, p) != insertText) continue;
    SetTagRule(batch, p, TagRule::kKeep);
    ++converted;
  }
  batch.Flush();
  if (converted > 0) c_.prompter.Inform(Message(MessageId::kInsertTagMeaningless));
  return Refilled([](const VlanPageState& s) { return s.dropUntagged; });
}

Outcome VlanSettings::SetLeaky(LeakyOption option, bool enabled) {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const auto control = ReadControl();
  if (!control) return c_.Unanswered();
  const uint32_t bit = option == LeakyOption::kUnicast ? kUnicastLeakyBit : kArpLeakyBit;
  c_.Engine().WriteRegister(kControl, enabled ? *control | bit : *control & ~bit);
  return Refilled([option, enabled](const VlanPageState& s) {
    return (option == LeakyOption::kUnicast ? s.unicastLeaky : s.arpLeaky) == enabled;
  });
}

TagMenuState VlanSettings::TagMenuPopup(bool rowSelected) {
  if (!rowSelected) return {};
  TagMenuState menu{true, true, true};
  const auto control = ReadControl();
  // Unknown is not "allowed": without the register the insert rule stays off the menu.
  if (!control || ((*control & kDot1qBit) && (*control & kDropUntaggedBit))) menu.insert = false;
  if (c_.ModelCode() == kModelG26A) menu.insert = false;
  return menu;
}

Outcome VlanSettings::SetTagRules(const std::vector<size_t>& rows, TagRule rule) {
  const PortLayout& layout = c_.Layout();
  const TrunkMembers trunks = ReadTrunkMembers(c_.connection, c_.Engine(), layout);
  if (!trunks.ok) return c_.connection.State().connected ? c_.Unanswered() : Outcome::kSwitchLost;
  const int model = c_.ModelCode();
  VlanBatch batch(c_.Engine());
  QueueTagRegisters(batch, layout.PortSlots(), true);
  if (!batch.Transmit(BatchReads::kConfirmed)) return c_.Unanswered();
  bool told = false;
  for (size_t row : rows) {
    const int b = layout.ChipPortOfRow(row);
    if (b < 0) continue;
    uint32_t ports = 1u << b;
    if (trunks.mask >> b & 1) {
      if (!told) c_.prompter.Inform(Message(MessageId::kTrunkSharesEgressRule));
      told = true;
      ports |= TrunkMemberMask(model, b);
    }
    for (int p = 0; p < layout.PortSlots(); ++p)
      if (ports >> p & 1) SetTagRule(batch, p, rule);
  }
  batch.Flush();
  const std::string wanted = TagRuleText(model, static_cast<uint32_t>(rule), rule == TagRule::kInsert);
  return ReadBack(c_.Engine(), [&] {
    if (Fill() == Outcome::kSwitchLost) return Outcome::kSwitchLost;
    for (size_t row : rows)
      if (row >= state_.tagRows.size() || state_.tagRows[row].rule != wanted) return Outcome::kNotVerified;
    return Outcome::kDone;
  });
}

Outcome VlanSettings::SetManagementVid(std::string_view text) {
  const auto vid = ParseVlanId(text);
  if (!vid) {
    c_.prompter.ShowWithIcon(MessageKind::kError, MessageIcon::kWarning, Message(MessageId::kInvalidVlanId));
    return Outcome::kRefused;
  }
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  RegisterEngine& engine = c_.Engine();
  const RegisterRead before = ReadConfirmed(engine, kManagementVid);
  if (!before.answered) return c_.Unanswered();
  engine.WriteRegister(kManagementVid, (before.value & kVidKeepMask) | static_cast<uint32_t>(*vid));
  engine.GetClock().SleepMs(kVidSettleMs);
  return ReadBack(engine, [&] {
    const RegisterRead after = engine.ReadRegister(kManagementVid);
    if (!after.answered) return c_.Unanswered();
    state_.managementVid = static_cast<int>(after.value & kVidMask);
    return *state_.managementVid == *vid ? Outcome::kDone : Outcome::kNotVerified;
  });
}

}  // namespace velkor
