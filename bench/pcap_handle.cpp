#include "pcap_handle.h"

#include <poll.h>

namespace velkor::bench {

PcapHandle OpenFiltered(const std::string& iface, const std::string& filter, pcap_direction_t direction,
                        std::string& error) {
  char text[PCAP_ERRBUF_SIZE] = "";
  PcapHandle handle(pcap_create(iface.c_str(), text));
  if (!handle) {
    error = text;
    return nullptr;
  }
  pcap_set_snaplen(handle.get(), 128);
  pcap_set_immediate_mode(handle.get(), 1);
  bpf_program program{};
  if (pcap_activate(handle.get()) < 0 || pcap_setdirection(handle.get(), direction) != 0 ||
      pcap_compile(handle.get(), &program, filter.c_str(), 1, 0) != 0) {
    error = iface + ": " + pcap_geterr(handle.get());
    return nullptr;
  }
  const int installed = pcap_setfilter(handle.get(), &program);
  pcap_freecode(&program);
  if (installed != 0 || pcap_setnonblock(handle.get(), 1, text) != 0) {
    error = iface + ": " + pcap_geterr(handle.get());
    return nullptr;
  }
  return handle;
}

int DrainCount(pcap_t* handle) {
  int total = 0;
  const auto ignore = [](u_char*, const pcap_pkthdr*, const u_char*) {};
  for (int n; (n = pcap_dispatch(handle, -1, ignore, nullptr)) > 0;) total += n;
  return total;
}

bool WaitReadable(pcap_t* handle, int timeoutMs) {
  pollfd wait{pcap_get_selectable_fd(handle), POLLIN, 0};
  return poll(&wait, 1, timeoutMs) > 0;
}

}  // namespace velkor::bench
