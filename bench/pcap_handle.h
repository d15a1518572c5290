#pragma once

#include <pcap/pcap.h>

#include <memory>
#include <string>

namespace velkor::bench {

struct PcapCloser {
  void operator()(pcap_t* handle) const { pcap_close(handle); }
};
using PcapHandle = std::unique_ptr<pcap_t, PcapCloser>;

// A non-blocking, immediate-mode handle with a compiled filter: how the probes watch the wire
// without adding latency of their own. None (with error text) on failure.
PcapHandle OpenFiltered(const std::string& iface, const std::string& filter, pcap_direction_t direction,
                        std::string& error);

// Takes every frame already buffered and returns how many there were.
int DrainCount(pcap_t* handle);

// Waits up to timeoutMs for the handle to become readable.
bool WaitReadable(pcap_t* handle, int timeoutMs);

}  // namespace velkor::bench
