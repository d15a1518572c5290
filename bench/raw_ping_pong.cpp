#include "raw_ping_pong.h"

#include <chrono>
#include <vector>

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

std::optional<double> RawPingPong::RoundTripUs(uint16_t reg) { return BatchUs({&reg, 1}); }

std::optional<double> RawPingPong::BatchUs(std::span<const uint16_t> regs) {
  using Clock = std::chrono::steady_clock;
  std::vector<ManagementFrame> requests;
  for (const uint16_t reg : regs) requests.push_back(BuildGet(adapter_, target_, reg));
  DrainCount(handle_.get());
  const auto start = Clock::now();
  for (const ManagementFrame& request : requests)
    if (pcap_sendpacket(handle_.get(), request.data(), static_cast<int>(request.size())) != 0)
      return std::nullopt;
  const auto deadline = start + std::chrono::milliseconds(100);
  size_t replies = 0;
  while (Clock::now() < deadline) {
    replies += static_cast<size_t>(DrainCount(handle_.get()));
    if (replies >= regs.size())
      return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    WaitReadable(handle_.get(), 1);
  }
  return std::nullopt;
}

}  // namespace velkor::bench
