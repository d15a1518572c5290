#include "sim/live_runner.h"

#include <pcap/pcap.h>
#include <poll.h>
#include <sys/prctl.h>

#include <algorithm>
#include <ctime>

#include "transport/linux_netdev.h"

namespace velkor::sim {

namespace {
// Bounds how late a signal is noticed when nothing arrives.
constexpr uint64_t kIdleWaitUs = 50'000;
// A reply due this soon is waited for by polling without sleeping: a sleeping wait wakes tens of
// microseconds late, too coarse for a latency of 100 us.
constexpr uint64_t kSpinUs = 200;
}  // namespace

LiveRunner::~LiveRunner() {
  if (handle_) pcap_close(handle_);
}

bool LiveRunner::Open(const std::string& iface) {
  char err[PCAP_ERRBUF_SIZE] = {};
  handle_ = pcap_create(iface.c_str(), err);
  if (!handle_) {
    errors_ << iface << ": " << err << "\n";
    return false;
  }
  // pcap_open_live's settings, plus immediate mode so a request is seen the moment it arrives.
  pcap_set_snaplen(handle_, 256);
  pcap_set_promisc(handle_, 1);
  pcap_set_timeout(handle_, 1);
  pcap_set_immediate_mode(handle_, 1);
  if (pcap_activate(handle_) < 0) {
    errors_ << iface << ": " << pcap_geterr(handle_) << "\n";
    return false;
  }
  if (pcap_datalink(handle_) != DLT_EN10MB) {
    errors_ << iface << ": not an Ethernet interface\n";
    return false;
  }
  bpf_program program{};
  if (pcap_compile(handle_, &program, "ether proto 0x8899", 1, PCAP_NETMASK_UNKNOWN) < 0 ||
      pcap_setfilter(handle_, &program) < 0) {
    errors_ << iface << ": " << pcap_geterr(handle_) << "\n";
    pcap_freecode(&program);
    return false;
  }
  pcap_freecode(&program);
  // Our own replies must not come back as requests; where the platform cannot tell directions
  // they are ignored anyway, since no switch has the host's address.
  pcap_setdirection(handle_, PCAP_D_IN);
  if (pcap_setnonblock(handle_, 1, err) < 0) {
    errors_ << iface << ": " << err << "\n";
    return false;
  }
  // The kernel may otherwise let a timed wait run 50 us over.
  prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
  fd_ = pcap_get_selectable_fd(handle_);
  if (fd_ < 0) {
    errors_ << iface << ": cannot wait on this interface\n";
    return false;
  }
  IgnoreOutgoingFrames(fd_);
  return true;
}

void LiveRunner::OnFrame(unsigned char* self, const ::pcap_pkthdr* header, const unsigned char* bytes) {
  auto& runner = *reinterpret_cast<LiveRunner*>(self);
  std::vector<TimedFrame> replies;
  runner.segment_.OnHostFrame({bytes, header->caplen}, runner.clock_.NowUs(), replies);
  for (TimedFrame& r : replies) runner.pending_.push({std::move(r), runner.made_++});
}

void LiveRunner::SendDue() {
  const uint64_t now = clock_.NowUs();
  while (!pending_.empty() && pending_.top().frame.atUs <= now) {
    const TimedFrame& f = pending_.top().frame;
    if (pcap_inject(handle_, f.bytes.data(), f.bytes.size()) < 0)
      errors_ << "send failed: " << pcap_geterr(handle_) << "\n";
    pending_.pop();
  }
}

uint64_t LiveRunner::WaitUs() const {
  if (pending_.empty()) return kIdleWaitUs;
  const uint64_t now = clock_.NowUs();
  const uint64_t due = pending_.top().frame.atUs;
  if (due <= now + kSpinUs) return 0;
  return std::min(due - now - kSpinUs, kIdleWaitUs);
}

int LiveRunner::Run(const volatile std::sig_atomic_t& stop, volatile std::sig_atomic_t& powerCycle) {
  while (!stop) {
    if (powerCycle) {
      powerCycle = 0;
      segment_.PowerCycleAll();
      errors_ << "power cycle\n";
    }
    SendDue();
    pollfd p{fd_, POLLIN, 0};
    const uint64_t waitUs = WaitUs();
    const timespec wait{static_cast<time_t>(waitUs / 1'000'000),
                        static_cast<long>(waitUs % 1'000'000 * 1000)};
    if (ppoll(&p, 1, &wait, nullptr) > 0 &&
        pcap_dispatch(handle_, -1, &LiveRunner::OnFrame, reinterpret_cast<unsigned char*>(this)) < 0) {
      errors_ << "capture failed: " << pcap_geterr(handle_) << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace velkor::sim
