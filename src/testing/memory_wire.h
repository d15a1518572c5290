#pragma once

#include <cstdint>
#include <deque>
#include <list>
#include <memory>
#include <span>
#include <vector>

#include "transport/clock.h"
#include "transport/packet_io.h"

namespace velkor {

struct TimedFrame {
  uint64_t atUs = 0;  // when the frame reaches the host
  std::vector<uint8_t> bytes;
};

// Whatever sits at the far end of an in-memory wire: the switch emulator, or a test's script.
class WireEndpoint {
 public:
  virtual ~WireEndpoint() = default;
  // The host sent frame at nowUs; append the frames that come back, each with its arrival time.
  virtual void OnHostFrame(std::span<const uint8_t> frame, uint64_t nowUs,
                           std::vector<TimedFrame>& replies) = 0;
};

// A PacketBackend without hardware: each device is a wire to one endpoint, and every read time-out
// passes on the injected clock, so a virtual clock makes waiting free. The wire must outlive the
// channels it opens.
class MemoryWire final : public PacketBackend {
 public:
  explicit MemoryWire(Clock& clock) : clock_(clock) {}

  // A device the capture library will list, with the MAC the system reports for it (none: unknown).
  void AddDevice(const CaptureDevice& device, std::optional<Mac> mac, WireEndpoint* far);
  void FailDeviceListing(bool fail) { failListing_ = fail; }
  void FailOpen(const std::string& device, bool fail);
  void SetLinkType(const std::string& device, int linkType);
  // A frame from some other host on the segment, arriving at atUs.
  void Inject(const std::string& device, TimedFrame frame);

  // Every frame the host sent on a device, in order.
  const std::vector<std::vector<uint8_t>>& Sent(const std::string& device) const;
  void ClearSent(const std::string& device);
  // Whether Sent keeps them (it does unless told otherwise): a fuzz run sends millions.
  void KeepSent(const std::string& device, bool keep);

  bool FindAllDevices(std::vector<CaptureDevice>& devices, std::string& error) override;
  std::unique_ptr<CaptureChannel> Open(const std::string& device, const ChannelParams& params,
                                       OpenError& error) override;
  std::optional<Mac> AdapterMac(const std::string& device) override;

 private:
  class Channel;
  struct QueuedFrame;
  struct Device {
    CaptureDevice info;
    std::optional<Mac> mac;
    WireEndpoint* far = nullptr;
    bool failOpen = false;
    int linkType = kLinkTypeEthernet;
    std::vector<std::vector<uint8_t>> sent;
    bool keepSent = true;
    std::list<Channel*> channels;
  };

  Device* Find(const std::string& name);
  const Device* Find(const std::string& name) const;
  void Transmit(Device& device, std::span<const uint8_t> frame);
  void Deliver(Device& device, TimedFrame frame);
  void Detach(Channel* channel);

  Clock& clock_;
  std::vector<TimedFrame> replies_;
  bool failListing_ = false;
  std::deque<Device> devices_;
};

}  // namespace velkor
