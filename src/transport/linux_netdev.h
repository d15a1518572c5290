#pragma once

#include <optional>
#include <string>

#include "transport/mac.h"

struct sockaddr;

namespace velkor {

// What Linux says of a network device under a sysfs root ("/sys/class/net" on a real system).
// ARPHRD_ETHER (1): the device carries Ethernet frames.
bool IsEthernetDevice(const std::string& sysfsNet, const std::string& device);
std::optional<Mac> SysfsMac(const std::string& sysfsNet, const std::string& device);
// The hardware address of an AF_PACKET (sockaddr_ll) address; none for other families or lengths.
std::optional<Mac> PacketAddressMac(const sockaddr* address);
// Makes the kernel stop handing the host's own outgoing frames to a packet socket that only reads
// what others send; where it cannot, they still come and are refused as before.
void IgnoreOutgoingFrames(int packetSocket);

}  // namespace velkor
