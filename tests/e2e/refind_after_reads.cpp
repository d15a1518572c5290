// Over a real adapter through libpcap: 3,000 register reads, whose replies all pass the discovery
// channel's filter too, and then a rediscovery that must still find the switch.
// usage: refind_after_reads IFACE

#include <iostream>
#include <string>

#include "transport/clock.h"
#include "transport/pcap_backend.h"
#include "transport/transport_session.h"

namespace {

constexpr int kReads = 3000;

int Fail(const std::string& text) {
  std::cerr << "FAIL: " << text << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace velkor;
  if (argc != 2) return Fail("usage: refind_after_reads IFACE");
  PcapBackend backend;
  SystemClock clock;
  BusyIndicator busy;
  TransportSession t(backend, clock, std::cerr, busy);
  if (t.link.EnumerateAdapters() != 0) return Fail("cannot list the adapters");
  unsigned index = 0;
  while (index < t.link.AdapterCount() && t.link.Adapter(index)->name != argv[1]) ++index;
  if (t.link.OpenChannels(index) != 0) return Fail(std::string("cannot open ") + argv[1]);
  t.discovery.Discover();
  if (t.discovery.SwitchCount() != 1) return Fail("expected one switch to answer the first hello");
  t.discovery.Select(0);
  if (t.link.SetRegisterFilter(t.discovery.SelectedMac()) != 0)
    return Fail("cannot filter the register channel");
  for (int i = 0; i < kReads; ++i)
    if (!t.engine.ReadRegister(0x0207).answered)
      return Fail("read " + std::to_string(i) + " went unanswered");
  if (t.discovery.RefindSelectedSwitch() != 0) return Fail("the switch was not found again after the reads");
  std::cout << "refind after " << kReads << " reads: ok\n";
  return 0;
}
