#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "transport/mac.h"

namespace velkor {

inline constexpr int kLinkTypeEthernet = 1;  // DLT_EN10MB

// The only filters the system installs: "(len = 64 or len = 60) and ether dst D", optionally
// "and ether src S", and "len = 0" for the handle that only sends. Kept structured so the in-memory
// wire applies exactly what pcap compiles.
struct FrameFilter {
  Mac dst{};
  std::optional<Mac> src;
  bool passesNothing = false;

  static FrameFilter Nothing() { return {{}, std::nullopt, true}; }

  std::string ToBpf() const;
  bool Matches(std::span<const uint8_t> frame) const;
};

struct ChannelParams {
  int snapLength = 65536;
  bool promiscuous = false;
  int readTimeoutMs = 0;  // 0: never blocks on the in-memory wire; pcap's own meaning on a device
};

// One frame as delivered by a read.
using FrameSink = std::function<void(std::span<const uint8_t> frame)>;

// An open capture handle on one device.
class CaptureChannel {
 public:
  virtual ~CaptureChannel() = default;
  virtual int LinkType() const = 0;
  // 0, or -1 when the filter does not compile, -2 when it compiles but cannot be installed.
  virtual int SetFilter(const FrameFilter& filter) = 0;
  // 0 sent, -1 not sent.
  virtual int Send(std::span<const uint8_t> frame) = 0;
  // One read: waits at most the read time-out for the first frame, then hands every buffered
  // frame to sink. Returns the number delivered, or -1 on error.
  int Dispatch(const FrameSink& sink) { return DispatchWithin(sink, UINT64_MAX); }
  // Dispatch that waits at most waitUs, when that is shorter than the read time-out.
  virtual int DispatchWithin(const FrameSink& sink, uint64_t waitUs) = 0;
  // Hands every frame already buffered to sink, without waiting.
  virtual void DispatchPending(const FrameSink& sink) = 0;
  void DiscardPending() {
    DispatchPending([](std::span<const uint8_t>) {});
  }
};

// Why a device could not be opened, so that callers choose what to say without reading the text.
enum class OpenFailure { kNone, kNoDevice, kNoPermission, kOther };

struct OpenError {
  OpenFailure kind = OpenFailure::kNone;
  std::string text;
};

// A device as the capture library lists it.
struct CaptureDevice {
  std::string name;
  std::string description;
  std::optional<uint32_t> ipv4;  // first IPv4 address, most significant byte = first number
  bool loopback = false;
  bool ethernet = true;  // the link layer is Ethernet (Linux: ARPHRD_ETHER)
};

// The capture library plus the operating-system query for each adapter's own MAC address.
class PacketBackend {
 public:
  virtual ~PacketBackend() = default;
  // false with error text when the library cannot list devices.
  virtual bool FindAllDevices(std::vector<CaptureDevice>& devices, std::string& error) = 0;
  virtual std::unique_ptr<CaptureChannel> Open(const std::string& device, const ChannelParams& params,
                                               OpenError& error) = 0;
  // A channel per params on device, in order; none when one cannot be opened, with the first such
  // one's error. The default opens them one after another.
  virtual std::vector<std::unique_ptr<CaptureChannel>> OpenEach(const std::string& device,
                                                                std::span<const ChannelParams> params,
                                                                OpenError& error);
  // The default closes them one after another.
  virtual void CloseEach(std::vector<std::unique_ptr<CaptureChannel>> channels) { channels.clear(); }
  // The adapter's own MAC address, or none when the system does not know it.
  virtual std::optional<Mac> AdapterMac(const std::string& device) = 0;
};

}  // namespace velkor
