#pragma once

#include <csignal>
#include <cstdint>
#include <ostream>
#include <queue>
#include <string>
#include <vector>

#include "sim/segment.h"
#include "transport/clock.h"

struct pcap;
struct pcap_pkthdr;

namespace velkor::sim {

// Serves a segment on a real interface: takes every frame with EtherType 0x8899 that comes in,
// and sends the replies when their latency has passed.
class LiveRunner {
 public:
  LiveRunner(Segment& segment, Clock& clock, std::ostream& errors)
      : segment_(segment), clock_(clock), errors_(errors) {}
  ~LiveRunner();
  LiveRunner(const LiveRunner&) = delete;
  LiveRunner& operator=(const LiveRunner&) = delete;

  bool Open(const std::string& iface);
  // Runs until stop becomes non-zero; power-cycles every switch each time powerCycle is set
  // (and clears it). 0 on a clean stop, 1 on a capture error.
  int Run(const volatile std::sig_atomic_t& stop, volatile std::sig_atomic_t& powerCycle);

 private:
  // Replies due at the same microsecond leave in the order they were made, as the switch made them.
  struct Pending {
    TimedFrame frame;
    uint64_t order;
  };
  struct Later {
    bool operator()(const Pending& a, const Pending& b) const {
      return a.frame.atUs != b.frame.atUs ? a.frame.atUs > b.frame.atUs : a.order > b.order;
    }
  };

  static void OnFrame(unsigned char* self, const ::pcap_pkthdr* header, const unsigned char* bytes);
  void SendDue();
  // How long to wait for a request before the next reply is due; 0 while one is almost due.
  uint64_t WaitUs() const;

  Segment& segment_;
  Clock& clock_;
  std::ostream& errors_;
  pcap* handle_ = nullptr;
  int fd_ = -1;
  std::priority_queue<Pending, std::vector<Pending>, Later> pending_;
  uint64_t made_ = 0;
};

}  // namespace velkor::sim
