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

void Connection::SwitchInfoError() {
  prompter_.Error(Message(MessageId::kSwitchInfoReadError));
  hooks_.RedoAdapterPick();
}

void Connection::ShowSwitchPages() {
  state_.unsaved = true;
  hooks_.ShowSwitchPages();
}

void Connection::Connected(const std::string& label) {
  state_.connected = true;
  state_.connectedMacText = transport_.discovery.SelectedSwitch()->macText;
  hooks_.SetConnectedLabel(label);
  ShowSwitchPages();
  hooks_.EnableAdapterSelector(false);
}

bool Connection::ReadDescriptions() {
  const PortLayout& layout = identifier_.Layout();
  auto bar = progress_.ShowProgress(layout.FeCount() * 8 + 22);
  busy_.Begin();
  bool ok = transport_.blocks.ReadSwitchDescription(bar.get()) == 0;
  for (int i = 0; ok && i < layout.FeCount(); ++i)
    ok = transport_.blocks.ReadPortDescription(i, bar.get()) == 0;
  busy_.End();
  return ok;
}

bool Connection::ReadLoginData(const std::string& modelName, std::array<uint8_t, 7>& stored) {
  const auto modelByte = transport_.access.ReadEepromByte(kEepromModelByte);
  state_.modelCode = modelByte ? (*modelByte & kModelByteCodeBits) : 0;
  if (!modelByte || *modelByte != ExpectedModelByte(modelName)) {
    SwitchInfoError();
    state_.modelCode = 0;
    return false;
  }
  // A password that could not be read must never compare equal to anything the user types.
  std::array<uint8_t, kPasswordSize> password{};
  if (transport_.blocks.ReadPasswordBytes(password) != 0 || !ReadDescriptions()) {
    SwitchInfoError();
    state_.modelCode = 0;
    return false;
  }
  std::copy(password.begin(), password.end(), stored.begin());
  return true;
}

bool Connection::ConnectToSwitch(int row) {
  if (row < 0) return false;
  const std::string modelName(ModelName(transport_.discovery.ModelCode(static_cast<size_t>(row))));
  if (modelName == Message(MessageId::kUnknown)) return false;
  if (identifier_.IdentifySwitch(static_cast<size_t>(row)) != 1) {
    SwitchInfoError();
    return false;
  }
  const bool g26a = modelName == ModelName(kModelG26A);
  hooks_.ResetVlanTables(identifier_.Layout(), g26a);
  const std::string label = modelName + "     " + std::string(Message(MessageId::kMacAddress)) + ": " +
                            transport_.discovery.SelectedSwitch()->macText;
  hooks_.ApplyModelControls(g26a);
  if (g26a) {
    state_.modelCode = kModelG26A;
    Connected(label);
    return true;
  }

  std::array<uint8_t, 7> stored{};
  if (!ReadLoginData(modelName, stored)) return false;

  const ConnectOutcome outcome = dialog_.Run(modelName, transport_.discovery.SelectedSwitch()->macText);
  switch (outcome.kind) {
    case ConnectOutcome::Kind::kConnect: {
      if (outcome.password.empty()) {
        prompter_.Error(Message(MessageId::kPasswordEmpty));
        return false;
      }
      if (!PasswordMatches(outcome.password, stored)) {
        prompter_.Error(Message(MessageId::kPasswordWrong));
        return false;
      }
      Connected(label);
      return true;
    }
    case ConnectOutcome::Kind::kRecover:
      RecoverPassword(outcome.recoveryCode);
      return false;
    case ConnectOutcome::Kind::kNone:
      return false;
  }
  return false;
}

void Connection::RecoverPassword(const std::string& code) {
  if (code != kRecoveryCode) {
    prompter_.Error(Message(MessageId::kRecoveryCodeWrong));
    return;
  }
  if (!prompter_.Confirm(Message(MessageId::kConfirmPasswordRecovery))) return;
  hooks_.RedrawSwitchInformation();
  std::array<uint8_t, kPasswordSize> factory{};
  std::memcpy(factory.data(), kFactoryPassword, std::strlen(kFactoryPassword));
  busy_.Begin();
  const int written = transport_.blocks.WritePasswordBytes(factory);
  busy_.End();
  if (written != 0)
    prompter_.Error(Message(MessageId::kPasswordRecoveryFailed));
  else
    prompter_.Inform(Message(MessageId::kPasswordRecovered));
}

bool Connection::CheckConnection() {
  if (!state_.connected) return false;
  for (int attempt = 0; attempt < 2; ++attempt)
    if (transport_.access.AnswersWithIdentity()) return true;
  hooks_.StopStatisticsTimer();
  prompter_.Error(Message(MessageId::kConnectionLost));
  Disconnect(false);
  return false;
}

void Connection::Disconnect(bool showNotice) {
  if (!state_.connected) return;
  state_.connected = false;
  if (showNotice) prompter_.Inform(Message(MessageId::kDisconnecting));
  hooks_.HideSwitchPages();
  hooks_.SetConnectedLabel(std::string(Message(MessageId::kNotConnected)));
  state_.modelCode = 0;
  hooks_.PostRediscoverRequest();
}

void Connection::FatalSwitchError() {
  prompter_.Error(Message(MessageId::kCriticalOperationFailed));
  state_.fatal = true;
  hooks_.PostCloseRequest();
}

void Connection::DisConnectBtnClick() {
  if (!prompter_.Confirm(Message(MessageId::kConfirmDisconnect))) return;
  if (state_.unsaved && prompter_.Confirm(Message(MessageId::kAskSave))) hooks_.SaveSettings();
  hooks_.ZeroStatisticsCounts();
  Disconnect(false);
}

bool Connection::FormClose() {
  if (state_.fatal || !state_.connected || !state_.unsaved) return true;
  const Answer answer = prompter_.ShowWithIcon(MessageKind::kQuestion, MessageIcon::kWarning,
                                               Message(MessageId::kAskSaveOnExit));
  if (answer == Answer::kYes) {
    hooks_.SaveSettings();
    return true;
  }
  return answer == Answer::kNo;
}

}  // namespace velkor
