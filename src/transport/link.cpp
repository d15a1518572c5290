#include "transport/link.h"

#include <cstdio>

namespace velkor {

namespace {

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// Devices that can never carry management frames: the dial-up and tunnel drivers' pseudo-adapters,
// plus what Linux lists beside real adapters (loopback, "any", USB and netlink monitors).
bool Excluded(const CaptureDevice& d) {
  return StartsWith(d.name, "\\Device\\NPF_GenericDialupAdapter") ||
         StartsWith(d.description, "MS Tunnel Interface Driver") || d.loopback || !d.ethernet;
}

std::string Truncate(const std::string& s, size_t n) { return s.size() > n ? s.substr(0, n) : s; }

std::string DottedQuad(uint32_t ip) {
  char text[16];
  std::snprintf(text, sizeof text, "%d.%d.%d.%d", ip >> 24, (ip >> 16) & 0xFF, (ip >> 8) & 0xFF, ip & 0xFF);
  return text;
}

}  // namespace

int Link::EnumerateAdapters() {
  CloseChannels();
  adapters_.clear();
  std::vector<CaptureDevice> devices;
  std::string error;
  if (!backend_.FindAllDevices(devices, error)) {
    errors_ << "Error in pcap_findalldevs: " << error << "\n";
    return -1;
  }
  for (const CaptureDevice& d : devices) {
    if (Excluded(d)) continue;
    if (adapters_.size() == kMaxAdapters) break;
    AdapterInfo a;
    a.name = Truncate(d.name, 59);
    a.description = Truncate(d.description, 79);
    if (d.ipv4) {
      a.ip = *d.ipv4;
      a.ipText = DottedQuad(a.ip);
    }
    if (auto mac = backend_.AdapterMac(d.name)) a.mac = *mac;
    a.macText = FormatMac(a.mac);
    adapters_.push_back(std::move(a));
  }
  return 0;
}

std::optional<std::string> Link::AdapterMacText(unsigned i) const {
  if (i >= adapters_.size()) return std::nullopt;
  return adapters_[i].macText;
}

std::optional<std::string> Link::AdapterIpText(unsigned i) const {
  if (i >= adapters_.size()) return std::nullopt;
  return adapters_[i].ipText;
}

int Link::FailOpen(const char* text) {
  if (openFailure_ == OpenFailure::kNone) openFailure_ = OpenFailure::kOther;
  errors_ << text;
  return -1;
}

int Link::OpenChannels(unsigned i) {
  CloseChannels();
  openFailure_ = OpenFailure::kNone;
  if (i >= adapters_.size()) {
    openFailure_ = OpenFailure::kNoDevice;
    return -1;
  }
  const AdapterInfo& a = adapters_[i];
  OpenError error;
  const ChannelParams params[] = {{65536, true, 100}, {65536, false, 0}, {65536, true, 1}};
  std::vector<std::unique_ptr<CaptureChannel>> channels = backend_.OpenEach(a.name, params, error);
  if (channels.size() == std::size(params)) {
    discovery_ = std::move(channels[0]);
    send_ = std::move(channels[1]);
    register_ = std::move(channels[2]);
  }
  if (!register_) {
    if (!error.text.empty()) errors_ << error.text << "\n";
    openFailure_ = error.kind == OpenFailure::kNone ? OpenFailure::kOther : error.kind;
    return FailOpen("Unable to open the adapter. Not supported by WinPcap\n");
  }
  if (discovery_->LinkType() != kLinkTypeEthernet || register_->LinkType() != kLinkTypeEthernet)
    return FailOpen("\nThis program works only on Ethernet networks.\n");
  switch (discovery_->SetFilter(FrameFilter{a.mac, std::nullopt})) {
    case 0:
      break;
    case -1:
      return FailOpen("\nUnable to compile the packet filter. Check the syntax.\n");
    default:
      return FailOpen("\nError setting the filter.\n");
  }
  // Nobody reads the sending handle: unfiltered, the kernel would copy every frame on the segment
  // into its buffer for nothing. Should the filter not take, that is all it costs.
  send_->SetFilter(FrameFilter::Nothing());
  adapterMac_ = a.mac;
  return 0;
}

int Link::SetRegisterFilter(const Mac& switchMac) {
  if (!register_) return -1;
  return register_->SetFilter(FrameFilter{adapterMac_, switchMac}) == 0 ? 0 : -1;
}

void Link::CloseChannels() {
  std::vector<std::unique_ptr<CaptureChannel>> open;
  for (auto* channel : {&discovery_, &send_, &register_})
    if (*channel) open.push_back(std::move(*channel));
  if (!open.empty()) backend_.CloseEach(std::move(open));
}

}  // namespace velkor
