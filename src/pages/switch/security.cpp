#include "pages/switch/security.h"

#include <algorithm>
#include <array>

#include "device/message_table.h"
#include "device/model.h"
#include "device/password.h"
#include "pages/ports/read_back.h"

namespace velkor {

namespace {
// Set bit: management through that chip port is off.
constexpr PortBitPair kManagementOff{0x0201, 0x0202};
}  // namespace

Outcome Security::Fill() {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  state_ = {};
  state_.passwordShown = c_.ModelCode() != kModelG26A;
  const PortLayout& layout = c_.Layout();
  PortBitBatch off(c_.Engine(), {kManagementOff}, layout.PortSlots());
  const bool answered = off.Read();
  state_.rows = PortBitRows(layout, off, kManagementOff, answered);
  return answered ? Outcome::kDone : Outcome::kNoAnswer;
}

Outcome Security::ChangePassword(std::string_view current, std::string_view next, std::string_view again) {
  if (!state_.passwordShown) return Outcome::kRefused;
  if (!c_.prompter.Confirm(Message(MessageId::kConfirmPasswordChange))) return Outcome::kNotConfirmed;
  std::array<uint8_t, kPasswordSize> stored{};
  if (c_.transport.blocks.ReadPasswordBytes(stored) != 0) return c_.Unanswered();
  const auto refuse = [this](MessageId id) {
    c_.prompter.Error(Message(id));
    return Outcome::kRefused;
  };
  if (!PasswordMatches(current, stored)) return refuse(MessageId::kCurrentPasswordWrong);
  if (next != again) return refuse(MessageId::kPasswordsDiffer);
  const auto bytes = PasswordBytes(next);
  // A character without a GBK form could never be typed at a login: not worth storing.
  if (next.empty() || !bytes || bytes->empty()) return refuse(MessageId::kNewPasswordEmpty);
  std::array<uint8_t, kPasswordSize> written{};
  std::copy(bytes->begin(), bytes->end(), written.begin());
  if (c_.transport.blocks.WritePasswordBytes(written) != 0) {
    c_.prompter.Error(Message(MessageId::kPasswordChangeFailed));
    c_.connection.Disconnect(false);
    return Outcome::kNotVerified;
  }
  c_.prompter.Inform(Message(MessageId::kPasswordChanged));
  return Outcome::kDone;
}

Outcome Security::SetManagement(const std::vector<size_t>& rows, bool enabled) {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const PortLayout& layout = c_.Layout();
  PortBitBatch off(c_.Engine(), {kManagementOff}, layout.PortSlots());
  if (!off.Read(BatchReads::kConfirmed)) return c_.Unanswered();
  std::vector<size_t> changed;
  bool refused = false;
  for (size_t row : rows) {
    const int p = layout.ChipPortOfRow(row);
    if (p < 0 || off.Bit(kManagementOff, p) == !enabled) continue;
    if (!enabled) {
      const int inUse = c_.transport.discovery.IsManagementPort(static_cast<uint8_t>(p));
      // Not knowing where the management path runs, nothing is written at all.
      if (inUse < 0) return Outcome::kSwitchLost;
      if (inUse == 1) {
        c_.prompter.Refuse(Message(MessageId::kManagementPortInUse));
        refused = true;
        continue;
      }
    }
    off.Set(kManagementOff, p, !enabled);
    changed.push_back(row);
  }
  off.Flush();
  const Outcome verified = ReadBack(c_.Engine(), [&] {
    const Outcome filled = Fill();
    if (filled != Outcome::kDone) return filled;
    for (size_t row : changed)
      if (state_.rows.at(row).set != !enabled) return Outcome::kNotVerified;
    return Outcome::kDone;
  });
  return verified == Outcome::kDone && refused ? Outcome::kRefused : verified;
}

}  // namespace velkor
