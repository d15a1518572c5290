#pragma once

namespace velkor {

// The member dialogs' own warnings; the message table does not hold them.
inline constexpr const char* kTwoOrMorePortsText = "请设置2个或2个以上端口作为VLAN组的成员。";
inline constexpr const char* kAlreadyGroupedText = "以上选择的端口已经设置为同一VLAN组的成员。";
inline constexpr const char* kNoMemberSetText = "您没有设置任何VLAN成员。";

}  // namespace velkor
