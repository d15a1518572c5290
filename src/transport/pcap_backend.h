#pragma once

#include <map>
#include <string>
#include <string_view>

#include "transport/packet_io.h"

namespace velkor {

// Part of the error text of an open refused for lack of capture rights, so callers can tell it apart.
inline constexpr std::string_view kNoCapturePermission = "no permission to capture";

// The capture library on real Linux adapters. Each adapter's own MAC comes from the AF_PACKET
// address the library lists, or from sysfs.
class PcapBackend final : public PacketBackend {
 public:
  explicit PcapBackend(std::string sysfsNet = "/sys/class/net") : sysfsNet_(std::move(sysfsNet)) {}

  bool FindAllDevices(std::vector<CaptureDevice>& devices, std::string& error) override;
  std::unique_ptr<CaptureChannel> Open(const std::string& device, const ChannelParams& params,
                                       OpenError& error) override;
  std::optional<Mac> AdapterMac(const std::string& device) override;
  // Setting up or tearing down a capture ring waits out a kernel grace period of some 10 to 25 ms;
  // the channels do theirs side by side.
  std::vector<std::unique_ptr<CaptureChannel>> OpenEach(const std::string& device,
                                                        std::span<const ChannelParams> params,
                                                        OpenError& error) override;
  void CloseEach(std::vector<std::unique_ptr<CaptureChannel>> channels) override;

 private:
  std::string sysfsNet_;
  std::map<std::string, Mac> listedMacs_;  // AF_PACKET addresses of the last listing
};

}  // namespace velkor
