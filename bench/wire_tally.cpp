#include "wire_tally.h"

#include <vector>

namespace velkor::bench {

namespace {
constexpr uint8_t kGet = 0x01;
constexpr uint8_t kSet = 0x02;
constexpr uint16_t kEepromControl = 0x0217;
constexpr uint16_t kEepromRead = 0x0800;

struct Sent {
  double atUs;
  uint8_t opcode;
  uint16_t reg;
  uint32_t data;
};

void Collect(u_char* user, const pcap_pkthdr* h, const u_char* f) {
  if (h->caplen < 24) return;
  auto& sent = *reinterpret_cast<std::vector<Sent>*>(user);
  sent.push_back({h->ts.tv_sec * 1e6 + h->ts.tv_usec, f[15], static_cast<uint16_t>(f[18] | f[19] << 8),
                  static_cast<uint32_t>(f[20] | f[21] << 8)});
}
}  // namespace

bool WireTally::Open(const std::string& iface, std::string& error) {
  handle_ = OpenFiltered(iface, "ether proto 0x8899", PCAP_D_OUT, error);
  return handle_ != nullptr;
}

void WireTally::Start() { DrainCount(handle_.get()); }

WireCount WireTally::Take(double gapUs) {
  std::vector<Sent> sent;
  for (int n; (n = pcap_dispatch(handle_.get(), -1, Collect, reinterpret_cast<u_char*>(&sent))) > 0;) {
  }
  WireCount count;
  double lastGetUs = -1e18;
  for (const Sent& s : sent) {
    if (s.opcode != kGet && s.opcode != kSet) continue;
    ++count.frames;
    if (s.opcode == kSet && s.reg == kEepromControl && !(s.data & kEepromRead)) ++count.eepromWrites;
    if (s.opcode != kGet) continue;
    if (s.atUs - lastGetUs >= gapUs) ++count.roundTrips;
    lastGetUs = s.atUs;
  }
  return count;
}

}  // namespace velkor::bench
