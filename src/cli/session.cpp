#include "cli/session.h"

#include "cli/exit_codes.h"

namespace velkor::cli {

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
  } else {
    err_ << "velkorctl: " << (link.AdapterCount() ? "several interfaces; name one with --iface"
                                                  : "no Ethernet interface found")
         << "\n";
    return kExitNoInterface;
  }
  const int opened = link.OpenChannels(*index);
  ForwardDiagnostics();
  if (opened != 0) {
    err_ << "velkorctl: cannot capture on " << link.Adapter(*index)->name << "\n";
    return kExitCannotOpen;
  }
  return kExitOk;
}

int CtlSession::SelectSwitch(const std::optional<std::string>& mac) {
  Discovery& discovery = transport_.discovery;
  std::optional<Mac> wanted;
  if (mac && !(wanted = ParseMac(*mac))) {
    err_ << "velkorctl: not a MAC address: " << *mac << "\n";
    return kExitUsage;
  }
  discovery.Discover();
  if (discovery.SwitchCount() == 0) {
    err_ << "velkorctl: no switch answered\n";
    return kExitNoSwitch;
  }
  std::optional<size_t> index;
  for (size_t i = 0; i < discovery.SwitchCount(); ++i)
    if (wanted ? discovery.Switch(i)->mac == *wanted : discovery.SwitchCount() == 1) index = i;
  if (!index) {
    err_ << (wanted ? "velkorctl: switch " + *mac + " did not answer\n"
                    : "velkorctl: several switches answered; name one with --switch\n");
    return kExitNoSwitch;
  }
  discovery.Select(*index);
  if (transport_.link.SetRegisterFilter(discovery.SelectedMac()) != 0) {
    err_ << "velkorctl: cannot filter the replies of the switch\n";
    return kExitCannotOpen;
  }
  return kExitOk;
}

}  // namespace velkor::cli
