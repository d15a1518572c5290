#include "transport/linux_netdev.h"

#include <netpacket/packet.h>
#include <sys/socket.h>

#include <algorithm>
#include <fstream>

namespace velkor {

namespace {
std::optional<std::string> ReadLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  if (!in || !std::getline(in, line)) return std::nullopt;
  return line;
}

// A device name never leaves its own sysfs directory.
bool SafeName(const std::string& device) {
  return !device.empty() && device.find('/') == std::string::npos && device != "." && device != "..";
}
}  // namespace

bool IsEthernetDevice(const std::string& sysfsNet, const std::string& device) {
  if (!SafeName(device)) return false;
  const auto type = ReadLine(sysfsNet + "/" + device + "/type");
  return type && *type == "1";
}

std::optional<Mac> SysfsMac(const std::string& sysfsNet, const std::string& device) {
  if (!SafeName(device)) return std::nullopt;
  const auto text = ReadLine(sysfsNet + "/" + device + "/address");
  if (!text) return std::nullopt;
  return ParseMac(*text);
}

std::optional<Mac> PacketAddressMac(const sockaddr* address) {
  if (!address || address->sa_family != AF_PACKET) return std::nullopt;
  const auto* ll = reinterpret_cast<const sockaddr_ll*>(address);
  if (ll->sll_halen != 6) return std::nullopt;
  Mac mac;
  std::copy_n(ll->sll_addr, 6, mac.begin());
  return mac;
}

void IgnoreOutgoingFrames(int packetSocket) {
  const int on = 1;
  setsockopt(packetSocket, SOL_PACKET, PACKET_IGNORE_OUTGOING, &on, sizeof on);
}

}  // namespace velkor
