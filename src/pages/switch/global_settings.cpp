#include "pages/switch/global_settings.h"

namespace velkor {

namespace {

struct ControlBit {
  uint16_t reg;
  uint32_t bit;
  bool setMeansOn;
};

// By GlobalControl. The three flow controls are switched on by clearing their bit.
constexpr std::array<ControlBit, kGlobalControlCount> kBits{{
    {0x0607, 0x0004, false},
    {0x0607, 0x0008, false},
    {0x0607, 0x0010, false},
    {0x0200, 0x0004, true},
    {0x0308, 0x0001, true},
}};

}  // namespace

Outcome GlobalSettings::Fill() {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  Outcome outcome = Outcome::kDone;
  std::optional<uint16_t> lastReg;
  std::optional<uint32_t> value;
  for (size_t i = 0; i < kBits.size(); ++i) {
    const ControlBit& b = kBits[i];
    if (b.reg != lastReg) value = c_.Read(b.reg);
    lastReg = b.reg;
    state_[i] = value ? std::optional<bool>(((*value & b.bit) != 0) == b.setMeansOn) : std::nullopt;
    if (!value) outcome = Outcome::kNoAnswer;
  }
  return outcome;
}

Outcome GlobalSettings::Set(GlobalControl control, bool on) {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const ControlBit& b = kBits[static_cast<size_t>(control)];
  const auto value = c_.Read(b.reg);
  if (!value) return c_.Unanswered();
  c_.Engine().WriteRegister(b.reg, on == b.setMeansOn ? *value | b.bit : *value & ~b.bit);
  const Outcome filled = Fill();
  if (filled == Outcome::kSwitchLost) return filled;
  const auto now = state_[static_cast<size_t>(control)];
  if (!now) return Outcome::kNoAnswer;
  return *now == on ? Outcome::kDone : Outcome::kNotVerified;
}

}  // namespace velkor
