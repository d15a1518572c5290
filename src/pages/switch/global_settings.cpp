#include "pages/switch/global_settings.h"

#include <map>

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

std::optional<bool> GlobalControlOf(GlobalControl control, const RegisterValues& values) {
  const ControlBit& b = kBits[static_cast<size_t>(control)];
  const auto value = values(b.reg);
  if (!value) return std::nullopt;
  return ((*value & b.bit) != 0) == b.setMeansOn;
}

Outcome GlobalSettings::Fill() {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  // Each register is read once, however many controls it holds.
  std::map<uint16_t, std::optional<uint32_t>> read;
  const RegisterValues values = [&](uint16_t reg) {
    auto it = read.find(reg);
    if (it == read.end()) it = read.emplace(reg, c_.Read(reg)).first;
    return it->second;
  };
  Outcome outcome = Outcome::kDone;
  for (size_t i = 0; i < kBits.size(); ++i) {
    state_[i] = GlobalControlOf(static_cast<GlobalControl>(i), values);
    if (!state_[i]) outcome = Outcome::kNoAnswer;
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
