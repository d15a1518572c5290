#include "transport/pcap_backend.h"

#include <netinet/in.h>
#include <pcap/pcap.h>
#include <poll.h>

#include <algorithm>
#include <thread>

#include "transport/linux_netdev.h"

namespace velkor {

namespace {

// Every frame the system reads is 60 or 64 bytes. In immediate mode each ring slot is sized by the
// snapshot length when the device offloads segmentation (veth and most NICs do), and 65536 leaves
// room for only 32 frames: a batch's burst of replies would be dropped. A full-size Ethernet frame
// keeps a thousand slots; filters still see whole frames.
constexpr int kMaxCaptureLength = 1518;

// The handle stays non-blocking and the channel waits on its descriptor itself: on Linux a
// blocking read of the TPACKET_V3 ring does not return when its time-out passes without traffic,
// and every read here must be bounded by its time-out.
class PcapChannel final : public CaptureChannel {
 public:
  PcapChannel(pcap_t* handle, int readTimeoutMs)
      : handle_(handle), fd_(pcap_get_selectable_fd(handle)), readTimeoutMs_(readTimeoutMs) {}
  ~PcapChannel() override { pcap_close(handle_); }
  PcapChannel(const PcapChannel&) = delete;
  PcapChannel& operator=(const PcapChannel&) = delete;

  int LinkType() const override { return pcap_datalink(handle_); }

  int SetFilter(const FrameFilter& filter) override {
    bpf_program program{};
    if (pcap_compile(handle_, &program, filter.ToBpf().c_str(), 1, 0) != 0) return -1;
    const int installed = pcap_setfilter(handle_, &program);
    pcap_freecode(&program);
    return installed == 0 ? 0 : -2;
  }

  int Send(std::span<const uint8_t> frame) override {
    return pcap_sendpacket(handle_, frame.data(), static_cast<int>(frame.size())) == 0 ? 0 : -1;
  }

  int DispatchWithin(const FrameSink& sink, uint64_t waitUs) override {
    const int ready = DispatchBuffered(sink);
    if (ready != 0) return ready;
    // A time-out of 0 keeps the library's meaning: wait for the first frame.
    if (readTimeoutMs_ > 0) waitUs = std::min(waitUs, static_cast<uint64_t>(readTimeoutMs_) * 1000);
    const timespec limit{static_cast<time_t>(waitUs / 1'000'000),
                         static_cast<long>(waitUs % 1'000'000 * 1000)};
    pollfd wait{fd_, POLLIN, 0};
    if (ppoll(&wait, 1, waitUs == UINT64_MAX ? nullptr : &limit, nullptr) < 0) return -1;
    return DispatchBuffered(sink);
  }

  void DispatchPending(const FrameSink& sink) override {
    while (DispatchBuffered(sink) > 0) {
    }
  }

 private:
  static void Deliver(u_char* user, const pcap_pkthdr* header, const u_char* bytes) {
    const auto& sink = *reinterpret_cast<const FrameSink*>(user);
    sink(std::span<const uint8_t>(bytes, header->caplen));
  }

  int DispatchBuffered(const FrameSink& sink) {
    const int n = pcap_dispatch(handle_, -1, &PcapChannel::Deliver,
                                reinterpret_cast<u_char*>(const_cast<FrameSink*>(&sink)));
    return n < 0 ? -1 : n;
  }

  pcap_t* handle_;
  int fd_;
  int readTimeoutMs_;
};

std::optional<uint32_t> FirstIpv4(const pcap_if_t* d) {
  for (const pcap_addr_t* a = d->addresses; a; a = a->next) {
    if (!a->addr) break;  // the walk ends at the first entry without an address
    if (a->addr->sa_family != AF_INET) continue;
    return ntohl(reinterpret_cast<const sockaddr_in*>(a->addr)->sin_addr.s_addr);
  }
  return std::nullopt;
}

std::optional<Mac> PacketAddress(const pcap_if_t* d) {
  for (const pcap_addr_t* a = d->addresses; a; a = a->next)
    if (auto mac = PacketAddressMac(a->addr)) return mac;
  return std::nullopt;
}

OpenError ActivationError(pcap_t* handle, int status, const std::string& device) {
  if (status == PCAP_ERROR_PERM_DENIED)
    return {OpenFailure::kNoPermission,
            device + ": " + std::string(kNoCapturePermission) +
                "; raw capture needs root or the capabilities cap_net_raw,cap_net_admin"};
  if (status == PCAP_ERROR_NO_SUCH_DEVICE) return {OpenFailure::kNoDevice, device + ": no such device"};
  return {OpenFailure::kOther, device + ": " + pcap_geterr(handle)};
}

}  // namespace

bool PcapBackend::FindAllDevices(std::vector<CaptureDevice>& devices, std::string& error) {
  char text[PCAP_ERRBUF_SIZE] = "";
  pcap_if_t* all = nullptr;
  if (pcap_findalldevs(&all, text) != 0) {
    error = text;
    return false;
  }
  devices.clear();
  listedMacs_.clear();
  for (const pcap_if_t* d = all; d; d = d->next) {
    if (auto mac = PacketAddress(d)) listedMacs_[d->name] = *mac;
    CaptureDevice c;
    c.name = d->name;
    c.description = d->description ? d->description : "";
    c.ipv4 = FirstIpv4(d);
    c.loopback = (d->flags & PCAP_IF_LOOPBACK) != 0;
    c.ethernet = IsEthernetDevice(sysfsNet_, c.name);
    devices.push_back(std::move(c));
  }
  pcap_freealldevs(all);
  return true;
}

std::unique_ptr<CaptureChannel> PcapBackend::Open(const std::string& device, const ChannelParams& params,
                                                  OpenError& error) {
  char text[PCAP_ERRBUF_SIZE] = "";
  pcap_t* handle = pcap_create(device.c_str(), text);
  if (!handle) {
    error = {OpenFailure::kOther, text};
    return nullptr;
  }
  pcap_set_snaplen(handle, std::min(params.snapLength, kMaxCaptureLength));
  pcap_set_promisc(handle, params.promiscuous ? 1 : 0);
  pcap_set_timeout(handle, params.readTimeoutMs);
  // Replies are handed over the moment they arrive; the time-out stays an upper bound.
  pcap_set_immediate_mode(handle, 1);
  const int status = pcap_activate(handle);
  if (status < 0 || pcap_setnonblock(handle, 1, text) != 0 || pcap_get_selectable_fd(handle) < 0) {
    error = status < 0 ? ActivationError(handle, status, device)
                       : OpenError{OpenFailure::kOther, device + ": cannot wait on the capture handle"};
    pcap_close(handle);
    return nullptr;
  }
  IgnoreOutgoingFrames(pcap_get_selectable_fd(handle));
  return std::make_unique<PcapChannel>(handle, params.readTimeoutMs);
}

std::optional<Mac> PcapBackend::AdapterMac(const std::string& device) {
  const auto listed = listedMacs_.find(device);
  if (listed != listedMacs_.end()) return listed->second;
  return SysfsMac(sysfsNet_, device);
}

std::vector<std::unique_ptr<CaptureChannel>> PcapBackend::OpenEach(const std::string& device,
                                                                   std::span<const ChannelParams> params,
                                                                   OpenError& error) {
  std::vector<std::unique_ptr<CaptureChannel>> channels(params.size());
  std::vector<OpenError> errors(params.size());
  {
    std::vector<std::jthread> opening;
    for (size_t i = 0; i < params.size(); ++i)
      opening.emplace_back([&, i] { channels[i] = Open(device, params[i], errors[i]); });
  }
  for (size_t i = 0; i < params.size(); ++i) {
    if (channels[i]) continue;
    error = errors[i];
    CloseEach(std::move(channels));
    return {};
  }
  return channels;
}

void PcapBackend::CloseEach(std::vector<std::unique_ptr<CaptureChannel>> channels) {
  std::vector<std::jthread> closing;
  for (auto& channel : channels)
    if (channel) closing.emplace_back([c = std::move(channel)]() mutable { c.reset(); });
}

}  // namespace velkor
