#include "raw_ping_pong.h"

#include <chrono>

#include "transport/frame.h"
#include "transport/packet_io.h"

namespace velkor::bench {

bool RawPingPong::Open(const std::string& iface, const Mac& adapter, const Mac& target, std::string& error) {
  adapter_ = adapter;
  target_ = target;
  // The register channel's own filter, so both sides of the comparison filter alike.
  handle_ = OpenFiltered(iface, FrameFilter{adapter, target}.ToBpf(), PCAP_D_IN, error);
  return handle_ != nullptr;
}

std::optional<double> RawPingPong::RoundTripUs(uint16_t reg) {
  using Clock = std::chrono::steady_clock;
  DrainCount(handle_.get());
  const ManagementFrame request = BuildGet(adapter_, target_, reg);
  const auto start = Clock::now();
  if (pcap_sendpacket(handle_.get(), request.data(), static_cast<int>(request.size())) != 0)
    return std::nullopt;
  const auto deadline = start + std::chrono::milliseconds(100);
  while (Clock::now() < deadline) {
    if (DrainCount(handle_.get()) > 0)
      return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    WaitReadable(handle_.get(), 1);
  }
  return std::nullopt;
}

}  // namespace velkor::bench
