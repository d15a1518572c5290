#include "transport/packet_io.h"

namespace velkor {

std::vector<std::unique_ptr<CaptureChannel>> PacketBackend::OpenEach(const std::string& device,
                                                                     std::span<const ChannelParams> params,
                                                                     OpenError& error) {
  std::vector<std::unique_ptr<CaptureChannel>> channels;
  for (const ChannelParams& p : params) {
    auto channel = Open(device, p, error);
    if (!channel) {
      CloseEach(std::move(channels));
      return {};
    }
    channels.push_back(std::move(channel));
  }
  return channels;
}

}  // namespace velkor
