#pragma once

#include <cstdint>

namespace velkor::vlan_reg {

// VLAN control: bit 0 on, 1 unicast leaky, 2 ARP leaky, 4 802.1Q, 5 drop untagged.
inline constexpr uint16_t kControl = 0x030B;
inline constexpr uint32_t kOnBit = 0x0001;
inline constexpr uint32_t kUnicastLeakyBit = 0x0002;
inline constexpr uint32_t kArpLeakyBit = 0x0004;
inline constexpr uint32_t kDot1qBit = 0x0010;
inline constexpr uint32_t kDropUntaggedBit = 0x0020;
// Bits 0-11 hold the management VID; on the 26-port chips the high byte is also chip port 25's
// table index.
inline constexpr uint16_t kManagementVid = 0x0318;
inline constexpr uint32_t kVidMask = 0x0FFF;
// The management VID group is offered only when these two read differently.
inline constexpr uint16_t kManagementProbeA = 0x0217;
inline constexpr uint16_t kManagementProbeB = 0x037F;
inline constexpr int kEntries = 32;

// 2-bit output tag field of chip port p.
inline uint16_t TagRegister(int p) { return static_cast<uint16_t>(0x0319 + p / 8); }
inline int TagShift(int p) { return 2 * (p % 8); }
// Insert bit of chip port p.
inline uint16_t InsertRegister(int p) { return static_cast<uint16_t>(0x037D + (p > 15 ? 1 : 0)); }
inline uint32_t InsertBit(int p) { return 1u << (p & 15); }
// 5-bit table index of chip port p.
inline uint16_t PortIndexRegister(int p) { return static_cast<uint16_t>(0x030C + p / 2); }
inline int PortIndexShift(int p) { return 8 * (p % 2); }
inline constexpr uint32_t kPortIndexMask = 0x1F;
// Table entry e: members of chip ports 0-15, of 16-31, and the VID.
inline uint16_t LowMembers(int e) { return static_cast<uint16_t>(0x031D + 3 * e); }
inline uint16_t HighMembers(int e) { return static_cast<uint16_t>(0x031E + 3 * e); }
inline uint16_t EntryVid(int e) { return static_cast<uint16_t>(0x031F + 3 * e); }
// The member register of chip port p in entry e.
inline uint16_t MemberRegister(int e, int p) { return p > 15 ? HighMembers(e) : LowMembers(e); }

}  // namespace velkor::vlan_reg
