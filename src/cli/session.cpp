#include "cli/session.h"

#include "cli/exit_codes.h"
#include "cli/password_source.h"
#include "device/message_table.h"
#include "device/model.h"
#include "transport/pcap_backend.h"

namespace velkor::cli {

CtlSession::CtlSession(PacketBackend& backend, Clock& clock, Terminal& terminal, std::ostream& err)
    : err_(err),
      terminal_(terminal),
      transport_(backend, clock, errors_, busy_),
      prompter_(terminal, err),
      dialog_(terminal, err),
      progress_(clock),
      identifier_(transport_.discovery, transport_.link, transport_.engine, transport_.access),
      connection_(transport_, identifier_, prompter_, dialog_, progress_, busy_, events_) {
  // Only the commands that show them read the descriptions.
  connection_.SetDescriptionsAtLogin(false);
}

void CtlSession::ForwardDiagnostics() {
  err_ << errors_.str();
  errors_.str("");
}

int CtlSession::Enumerate() {
  const int listed = transport_.link.EnumerateAdapters();
  ForwardDiagnostics();
  return listed == 0 ? kExitOk : kExitCannotOpen;
}

int CtlSession::OpenAdapter(const std::optional<std::string>& iface) {
  if (const int e = Enumerate()) return e;
  Link& link = transport_.link;
  std::optional<unsigned> index;
  if (iface) {
    for (unsigned i = 0; i < link.AdapterCount(); ++i)
      if (link.Adapter(i)->name == *iface) index = i;
    if (!index) {
      err_ << "velkorctl: no such Ethernet interface: " << *iface << "\n";
      return kExitNoInterface;
    }
  } else if (link.AdapterCount() == 1) {
    index = 0;
  } else if (link.AdapterCount() == 0) {
    err_ << "velkorctl: no Ethernet interface found\n";
    return kExitNoInterface;
  } else {
    err_ << "velkorctl: several interfaces; name one with --iface\n";
    return kExitUsage;
  }
  const int opened = link.OpenChannels(*index);
  ForwardDiagnostics();
  if (opened != 0) {
    err_ << "velkorctl: cannot capture on " << link.Adapter(*index)->name << "\n";
    switch (link.LastOpenFailure()) {
      case OpenFailure::kNoPermission:
        return kExitNoPermission;
      case OpenFailure::kNoDevice:
        return kExitNoInterface;
      default:
        return kExitCannotOpen;
    }
  }
  return kExitOk;
}

namespace {
constexpr int kHellosPerLogin = 3;
}  // namespace

void CtlSession::Discover(const std::optional<Mac>& wanted) {
  Discovery& discovery = transport_.discovery;
  const auto found = [&] {
    for (size_t i = 0; i < discovery.SwitchCount(); ++i)
      if (!wanted || discovery.Switch(i)->mac == *wanted) return true;
    return false;
  };
  for (int hello = 0; hello < kHellosPerLogin && (hello == 0 || !found()); ++hello)
    discovery.Discover(wanted);
}

int CtlSession::SelectSwitch(const std::optional<std::string>& mac) {
  Discovery& discovery = transport_.discovery;
  std::optional<Mac> wanted;
  if (mac && !(wanted = ParseMac(*mac))) {
    err_ << "velkorctl: not a MAC address: " << *mac << "\n";
    return kExitUsage;
  }
  Discover(wanted);
  if (discovery.SwitchCount() == 0) {
    err_ << "velkorctl: no switch answered\n";
    return kExitNoSwitch;
  }
  std::optional<size_t> index;
  for (size_t i = 0; i < discovery.SwitchCount(); ++i)
    if (wanted ? discovery.Switch(i)->mac == *wanted : discovery.SwitchCount() == 1) index = i;
  if (!index && !wanted) {
    err_ << "velkorctl: several switches answered; name one with --switch\n";
    return kExitUsage;
  }
  if (!index) {
    err_ << "velkorctl: switch " << *mac << " did not answer\n";
    return kExitNoSwitch;
  }
  discovery.Select(*index);
  return kExitOk;
}

LoginResult CtlSession::TryLogIn() {
  const size_t index = transport_.discovery.Selected();
  const int code = transport_.discovery.ModelCode(index);
  if (ModelName(code) == Message(MessageId::kUnknown)) {
    err_ << "velkorctl: " << transport_.discovery.SelectedSwitch()->macText << " reports model code " << code
         << ", which this program does not manage\n";
    return {Outcome::kRefused, std::nullopt};
  }
  const LoginResult result = connection_.ConnectToSwitch(static_cast<int>(index));
  ForwardDiagnostics();
  return result;
}

int CtlSession::LogIn() { return TryLogIn().outcome == Outcome::kDone ? kExitOk : kExitNotConnected; }

int CtlSession::Reach(const Arguments& args) {
  prompter_.AssumeYes(args.Flag("yes"));
  if (const int e = OpenAdapter(args.iface)) return e;
  return SelectSwitch(args.switchMac);
}

int CtlSession::Connect(const Arguments& args) {
  const PasswordText password = LoginPassword(args, terminal_);
  if (!password.error.empty()) {
    err_ << "velkorctl: " << password.error << "\n";
    return kExitUsage;
  }
  if (const int e = Reach(args)) return e;
  dialog_.UsePassword(password.password);
  return LogIn();
}

int CtlSession::RecoverPassword(const Arguments& args, const std::string& code) {
  if (const int e = Reach(args)) return e;
  dialog_.UseRecoveryCode(code);
  const LoginResult result = TryLogIn();
  if (result.outcome == Outcome::kDone) {
    err_ << "velkorctl: this model has no connection password to recover\n";
    return kExitUsage;
  }
  if (!result.recovery) return kExitNotConnected;
  // A wrong recovery code is a refused login, as a wrong password is.
  if (*result.recovery == Outcome::kRefused) return kExitNotConnected;
  return ExitCodeOf(*result.recovery);
}

}  // namespace velkor::cli
