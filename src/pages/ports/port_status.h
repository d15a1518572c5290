#pragma once

#include <optional>
#include <string>
#include <vector>

#include "device/connection.h"
#include "device/identification.h"
#include "device/outcome.h"

namespace velkor {

// Bit 5 of a link status byte: 802.3x pause is in force.
inline constexpr uint8_t kLinkPauseBit = 0x20;

// One port as the chip reports it; none where the register's reply was lost.
struct PortStatusRow {
  std::string caption;  // "01" … or "G1", "G2"
  int chipPort = -1;
  std::optional<bool> off;
  std::optional<uint8_t> link;  // the port's link status byte
  std::optional<bool> trunkError;
  bool hasTrunk = true;  // gigabit rows have no trunk group but on the QX-G26A

  bool LinkUp() const { return link && (*link & 0x10); }
};

// The columns "连接状态", "速度/双工", "流量控制" and "Trunk错误" as the page shows them; "?" for a
// value the switch did not give, never a guess.
std::string StateText(const PortStatusRow& row);
std::string SpeedText(const PortStatusRow& row);
std::string PauseText(const PortStatusRow& row);
std::string TrunkErrorText(const PortStatusRow& row);

enum class StatusColour { kBlack, kRed, kGrey, kGreen };
// The colour of a cell, chosen from its text: column 1 is the link state, 4 the trunk error.
StatusColour CellColour(int column, const std::string& text);

// The page "端口状态": every port's link, speed, duplex, pause and trunk error, read afresh on
// every fill.
class PortStatus {
 public:
  PortStatus(TransportSession& transport, Connection& connection, const SwitchIdentifier& identifier)
      : transport_(transport), connection_(connection), identifier_(identifier) {}

  // kSwitchLost when the connection check failed (the rows stay as they were), kNoAnswer when a
  // cell shows "?".
  Outcome FillPortStatus();
  const std::vector<PortStatusRow>& Rows() const { return rows_; }

 private:
  TransportSession& transport_;
  Connection& connection_;
  const SwitchIdentifier& identifier_;
  std::vector<PortStatusRow> rows_;
};

}  // namespace velkor
