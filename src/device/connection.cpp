#include "device/connection.h"

#include <algorithm>
#include <cstring>

#include "device/eeprom_layout.h"
#include "device/message_table.h"
#include "device/model.h"
#include "device/password.h"

namespace velkor {

namespace {

// The whole model byte a password-protected model keeps in its EEPROM; -1 for a name that
// connects without one.
int ExpectedModelByte(const std::string& name) {
  for (int code : {kModelF16A, kModelF8A, kModelF8B, kModelF24A, kModelG17A})
    if (name == ModelName(code)) return code;
  return -1;
}

}  // namespace

LoginResult Connection::SwitchInfoError() {
  prompter_.Error(Message(MessageId::kSwitchInfoReadError));
  state_.modelCode = 0;
  return {Outcome::kNoAnswer, std::nullopt};
}

void Connection::Connected() {
  state_.connected = true;
  state_.connectedMacText = transport_.discovery.SelectedSwitch()->macText;
  state_.unsaved = true;
  events_.Connected(state_.modelCode, state_.connectedMacText, identifier_.Layout());
}

bool Connection::ReadDescriptions(const std::optional<SwitchDescriptionBytes>& listed) {
  const PortLayout& layout = identifier_.Layout();
  auto bar =
      progress_.ShowProgress(layout.FeCount() * 8 + (listed ? 0 : static_cast<int>(kSwitchDescriptionRead)));
  busy_.Begin();
  if (listed) std::copy(listed->begin(), listed->end(), transport_.cache.switchDescription.begin());
  bool ok = listed || transport_.blocks.ReadSwitchDescription(bar.get()) == 0;
  for (int i = 0; ok && i < layout.FeCount(); ++i)
    ok = transport_.blocks.ReadPortDescription(i, bar.get()) == 0;
  busy_.End();
  // Half a set of texts could be written back as if it were the switch's.
  if (!ok) transport_.cache.Clear();
  return ok;
}

bool Connection::ReadLoginData(const std::string& modelName,
                               const std::optional<SwitchDescriptionBytes>& listed,
                               std::array<uint8_t, 7>& stored) {
  const auto modelByte = transport_.access.ReadEepromByte(kEepromModelByte);
  state_.modelCode = modelByte ? (*modelByte & kModelByteCodeBits) : 0;
  if (!modelByte || *modelByte != ExpectedModelByte(modelName)) return false;
  // A password that could not be read must never compare equal to anything the user types.
  std::array<uint8_t, kPasswordSize> password{};
  if (transport_.blocks.ReadPasswordBytes(password) != 0) return false;
  if (descriptionsAtLogin_ && !ReadDescriptions(listed)) return false;
  std::copy(password.begin(), password.end(), stored.begin());
  return true;
}

LoginResult Connection::ConnectToSwitch(int row) {
  if (row < 0) return {Outcome::kRefused, std::nullopt};
  const std::string modelName(ModelName(transport_.discovery.ModelCode(static_cast<size_t>(row))));
  if (modelName == Message(MessageId::kUnknown)) return {Outcome::kRefused, std::nullopt};
  // The caches hold the texts of whichever switch was read last; from here on they hold this
  // switch's or nothing.
  transport_.cache.Clear();
  const DiscoveredSwitch* listedSwitch = transport_.discovery.Switch(static_cast<size_t>(row));
  const auto listed =
      listedSwitch ? listed_.Take(listedSwitch->mac, transport_.engine.GetClock().NowUs()) : std::nullopt;
  if (identifier_.IdentifySwitch(static_cast<size_t>(row)) != 1) return SwitchInfoError();
  if (modelName == ModelName(kModelG26A)) {
    // No password, and the connection does not depend on the EEPROM; its texts are shown when they
    // can be read.
    state_.modelCode = kModelG26A;
    if (descriptionsAtLogin_) ReadDescriptions(listed);
    Connected();
    return {Outcome::kDone, std::nullopt};
  }
  std::array<uint8_t, 7> stored{};
  if (!ReadLoginData(modelName, listed, stored)) return SwitchInfoError();
  return LogIn(modelName, stored);
}

LoginResult Connection::LogIn(const std::string& modelName, const std::array<uint8_t, 7>& stored) {
  const ConnectOutcome outcome = dialog_.Run(modelName, transport_.discovery.SelectedSwitch()->macText);
  switch (outcome.kind) {
    case ConnectOutcome::Kind::kConnect: {
      if (outcome.password.empty()) {
        prompter_.Error(Message(MessageId::kPasswordEmpty));
        return {Outcome::kRefused, std::nullopt};
      }
      if (!PasswordMatches(outcome.password, stored)) {
        prompter_.Error(Message(MessageId::kPasswordWrong));
        return {Outcome::kRefused, std::nullopt};
      }
      Connected();
      return {Outcome::kDone, std::nullopt};
    }
    case ConnectOutcome::Kind::kRecover:
      return {Outcome::kNotConfirmed, RecoverPassword(outcome.recoveryCode)};
    case ConnectOutcome::Kind::kNone:
      break;
  }
  return {Outcome::kNotConfirmed, std::nullopt};
}

Outcome Connection::RecoverPassword(const std::string& code) {
  if (code != kRecoveryCode) {
    prompter_.Error(Message(MessageId::kRecoveryCodeWrong));
    return Outcome::kRefused;
  }
  if (!prompter_.Confirm(Message(MessageId::kConfirmPasswordRecovery))) return Outcome::kNotConfirmed;
  std::array<uint8_t, kPasswordSize> factory{};
  std::memcpy(factory.data(), kFactoryPassword, std::strlen(kFactoryPassword));
  busy_.Begin();
  const int written = transport_.blocks.WritePasswordBytes(factory);
  busy_.End();
  if (written != 0) {
    prompter_.Error(Message(MessageId::kPasswordRecoveryFailed));
    return Outcome::kNotVerified;
  }
  prompter_.Inform(Message(MessageId::kPasswordRecovered));
  return Outcome::kDone;
}

bool Connection::CheckConnection() {
  if (!state_.connected) return false;
  for (int attempt = 0; attempt < 2; ++attempt)
    if (transport_.access.AnswersWithIdentity()) return true;
  SwitchLost(MessageId::kConnectionLost);
  return false;
}

void Connection::SwitchLost(MessageId message) {
  if (!state_.connected) return;
  events_.Lost();
  prompter_.Error(Message(message));
  Disconnect(false);
}

void Connection::Disconnect(bool showNotice) {
  if (!state_.connected) return;
  state_.connected = false;
  if (showNotice) prompter_.Inform(Message(MessageId::kDisconnecting));
  state_.modelCode = 0;
  events_.Disconnected();
}

void Connection::FatalSwitchError() {
  prompter_.Error(Message(MessageId::kCriticalOperationFailed));
  state_.fatal = true;
  events_.Fatal();
}

// The unsaved flag is set at every connection; comparing the chip with the EEPROM tells for sure.
bool Connection::SettingsUnsaved() {
  const auto differs = events_.SettingsUnsaved();
  return differs ? *differs : state_.unsaved;
}

Outcome Connection::DisConnectBtnClick() {
  if (!prompter_.Confirm(Message(MessageId::kConfirmDisconnect))) return Outcome::kNotConfirmed;
  // The chip keeps its settings whether or not they were saved, so the disconnect goes ahead.
  if (SettingsUnsaved() && prompter_.Confirm(Message(MessageId::kAskSave))) events_.SaveRequested();
  Disconnect(false);
  return Outcome::kDone;
}

bool Connection::FormClose() {
  if (state_.fatal || !state_.connected || !SettingsUnsaved()) return true;
  const Answer answer = prompter_.ShowWithIcon(MessageKind::kQuestion, MessageIcon::kWarning,
                                               Message(MessageId::kAskSaveOnExit));
  if (answer != Answer::kYes) return answer == Answer::kNo;
  // A save that failed while the switch still answers leaves the program open, so that the
  // settings the user wanted kept can be saved after all.
  const Outcome saved = events_.SaveRequested();
  return saved == Outcome::kDone || state_.fatal || !state_.connected;
}

}  // namespace velkor
