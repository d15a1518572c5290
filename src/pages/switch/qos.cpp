#include "pages/switch/qos.h"

#include <functional>

#include "device/message_table.h"
#include "pages/ports/read_back.h"

namespace velkor {

namespace {
constexpr uint16_t kControl = kQosControlRegister;
constexpr PortBitPair kPriority = kPortPriorityPair;
constexpr uint16_t kPortOffLow = 0x0608;
constexpr uint16_t kPortOffHigh = 0x0609;
constexpr uint32_t kAllPortsOffLow = 0xFFFF;
constexpr uint32_t kAllPortsOffHigh = 0x00FF;
constexpr uint32_t kDiffServBit = 0x0001;
constexpr uint32_t kDot1pBit = 0x0002;
constexpr uint32_t kSourceBits = kDiffServBit | kDot1pBit;
constexpr uint32_t kPortSourceClear = 0x0007;
constexpr uint32_t kRatioBits = 0x0018;
constexpr int kRatioShift = 3;
}  // namespace

std::optional<PrioritySource> PrioritySourceOf(uint32_t control) {
  switch (control & kSourceBits) {
    case 0:
      return PrioritySource::kPort;
    case kDiffServBit:
      return PrioritySource::kDiffServ;
    case kDot1pBit:
      return PrioritySource::kDot1p;
    default:
      return std::nullopt;
  }
}

QosRatio QosRatioOf(uint32_t control) { return static_cast<QosRatio>((control & kRatioBits) >> kRatioShift); }

Outcome Qos::Fill() {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  state_ = {};
  const auto control = c_.Read(kControl);
  if (!control) return Outcome::kNoAnswer;
  state_.source = PrioritySourceOf(*control);
  if (!state_.source) {
    c_.prompter.Error(Message(MessageId::kConflictingPriority));
    c_.connection.Disconnect(false);
    return Outcome::kSwitchLost;
  }
  state_.ratio = QosRatioOf(*control);
  if (*state_.source != PrioritySource::kPort) return Outcome::kDone;
  state_.listEnabled = true;
  const PortLayout& layout = c_.Layout();
  PortBitBatch priorities(c_.Engine(), {kPriority}, layout.PortSlots());
  const bool answered = priorities.Read();
  state_.rows = PortBitRows(layout, priorities, kPriority, answered);
  return answered ? Outcome::kDone : Outcome::kNoAnswer;
}

Outcome Qos::Refilled(const std::function<bool(const QosState&)>& took) {
  return ReadBack(c_.Engine(), [&] {
    const Outcome outcome = Fill();
    if (outcome != Outcome::kDone) return outcome;
    return took(state_) ? Outcome::kDone : Outcome::kNotVerified;
  });
}

Outcome Qos::WithPortsOff(const std::function<void()>& change) {
  const auto low = c_.Read(kPortOffLow);
  const auto high = low ? c_.Read(kPortOffHigh) : std::nullopt;
  if (!high) return c_.Unanswered();
  // The port the computer manages the switch through stays on: switched off, it would carry none
  // of the writes that follow, and the switch would stay unreachable until powered off and on.
  // Not knowing that port, no port is switched off.
  const std::optional<int> kept = c_.ManagementPort();
  RegisterEngine& engine = c_.Engine();
  if (kept) {
    const uint32_t keep = PortBitPair::BitOf(*kept);
    engine.WriteRegister(kPortOffLow, *kept <= 15 ? kAllPortsOffLow & ~keep : kAllPortsOffLow);
    engine.WriteRegister(kPortOffHigh, *kept > 15 ? kAllPortsOffHigh & ~keep : kAllPortsOffHigh);
  }
  change();
  engine.WriteRegister(kPortOffLow, *low);
  engine.WriteRegister(kPortOffHigh, *high);
  return Outcome::kDone;
}

Outcome Qos::SetSource(PrioritySource source) {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const auto control = c_.Read(kControl);
  if (!control) return c_.Unanswered();
  const auto took = [source](const QosState& s) { return s.source == source; };
  // Choosing the source already in force changes nothing: no port goes off, no priority is lost.
  if (PrioritySourceOf(*control) == source) return Refilled(took);
  RegisterEngine& engine = c_.Engine();
  const auto clearPriorities = [&engine] {
    engine.WriteRegister(kPriority.low, 0);
    engine.WriteRegister(kPriority.high, 0);
  };
  Outcome written = Outcome::kDone;
  switch (source) {
    case PrioritySource::kPort:
      written = WithPortsOff([&] {
        // Written twice in a row, as this switch family expects for a change of source.
        engine.WriteRegister(kControl, *control & ~kPortSourceClear);
        engine.WriteRegister(kControl, *control & ~kPortSourceClear);
      });
      break;
    case PrioritySource::kDiffServ:
      engine.WriteRegister(kControl, (*control & ~kSourceBits) | kDiffServBit);
      clearPriorities();
      break;
    case PrioritySource::kDot1p:
      written = WithPortsOff([&] {
        engine.WriteRegister(kControl, (*control & ~kSourceBits) | kDot1pBit);
        clearPriorities();
      });
      break;
  }
  if (written != Outcome::kDone) return written;
  return Refilled(took);
}

Outcome Qos::SetRatio(QosRatio ratio) {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const auto control = c_.Read(kControl);
  if (!control) return c_.Unanswered();
  c_.Engine().WriteRegister(kControl, (*control & ~kRatioBits) | static_cast<uint32_t>(ratio) << kRatioShift);
  return Refilled([ratio](const QosState& s) { return s.ratio == ratio; });
}

Outcome Qos::SetPortPriority(const std::vector<size_t>& rows, bool high) {
  if (!state_.listEnabled) return Outcome::kRefused;
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const PortLayout& layout = c_.Layout();
  PortBitBatch priorities(c_.Engine(), {kPriority}, layout.PortSlots());
  if (!priorities.Read(BatchReads::kConfirmed)) return c_.Unanswered();
  bool changes = false;
  for (size_t row : rows) {
    const int p = layout.ChipPortOfRow(row);
    if (p < 0 || priorities.Bit(kPriority, p) == high) continue;
    priorities.Set(kPriority, p, high);
    changes = true;
  }
  if (changes) {
    if (const Outcome o = WithPortsOff([&] { priorities.Flush(); }); o != Outcome::kDone) return o;
  }
  return Refilled([&rows, high](const QosState& s) {
    for (size_t row : rows)
      if (row >= s.rows.size() || s.rows[row].set != high) return false;
    return true;
  });
}

}  // namespace velkor
