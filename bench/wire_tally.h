#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "transport/clock.h"
#include "transport/packet_io.h"

namespace velkor::bench {

// What one action put on the wire, from the host's outgoing management frames.
struct WireCount {
  int frames = 0;        // get and set requests
  int roundTrips = 0;    // runs of get requests sent together, each waiting for its replies
  int eepromWrites = 0;  // EEPROM write commands (set of 0x0217 without the read bit)
};

// The backend the measured actions run on: every channel it opens counts the management frames
// it sends, at the send itself. A capture beside the program drops frames once its buffer fills,
// and a count that misses some is worse than none; nothing sent can escape this one.
class WireTally final : public PacketBackend {
 public:
  WireTally(PacketBackend& inner, Clock& clock) : inner_(inner), clock_(clock) {}

  bool FindAllDevices(std::vector<CaptureDevice>& devices, std::string& error) override {
    return inner_.FindAllDevices(devices, error);
  }
  std::unique_ptr<CaptureChannel> Open(const std::string& device, const ChannelParams& params,
                                       OpenError& error) override;
  std::optional<Mac> AdapterMac(const std::string& device) override { return inner_.AdapterMac(device); }
  // The inner backend opens and closes the channels, as it would without the tally.
  std::vector<std::unique_ptr<CaptureChannel>> OpenEach(const std::string& device,
                                                        std::span<const ChannelParams> params,
                                                        OpenError& error) override;
  void CloseEach(std::vector<std::unique_ptr<CaptureChannel>> channels) override;

  // Forgets what was sent so far.
  void Start() { sent_.clear(); }
  // What was sent since Start. A get sent within gapUs of the get before it belongs to the same
  // round trip.
  WireCount Take(double gapUs) const;

 private:
  class Channel;
  struct Sent {
    uint64_t atUs;
    uint8_t opcode;
    uint16_t reg;
    uint16_t data;
  };
  void Record(std::span<const uint8_t> frame);

  PacketBackend& inner_;
  Clock& clock_;
  std::vector<Sent> sent_;
};

}  // namespace velkor::bench
