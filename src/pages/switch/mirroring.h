#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pages/switch/feature_context.h"
#include "pages/switch/port_bits.h"

namespace velkor {

// A mirror port receives copies; a mirrored port has its received and/or transmitted frames copied.
enum class MirrorRole { kMirror, kReceive, kTransmit };

// The register pair that holds role; chip ports 16 and up of the mirror role are not in the EEPROM
// configuration block.
const PortBitPair& MirrorPairOf(MirrorRole role);

struct MirrorRow {
  std::string caption;  // "01" … or "G1", "G2"
  int chipPort = -1;
  // none: the registers did not answer
  std::optional<bool> mirror;
  std::optional<bool> receive;
  std::optional<bool> transmit;
};

// What the row shows for role.
std::optional<bool> RoleOf(const MirrorRow& row, MirrorRole role);

// The page "端口镜像设置": which ports are mirror ports and which are mirrored, in either direction.
class Mirroring {
 public:
  explicit Mirroring(FeatureContext& context) : c_(context) {}

  Outcome Fill();
  const std::vector<MirrorRow>& Rows() const { return rows_; }

  // Refuses, in this order, a port that already has the other kind of role, a trunk member and the
  // port the computer manages the switch through; a mirror port is asked about first.
  Outcome Enable(MirrorRole role, size_t row);
  // Switches the role off on every given row; rows without it are left alone.
  Outcome Disable(MirrorRole role, const std::vector<size_t>& rows);

 private:
  FeatureContext& c_;
  std::vector<MirrorRow> rows_;
};

// The chip ports, among the lowest FeCount() numbers, that take part in mirroring in any role: a
// trunk group holding one of them may not be enabled. None when the registers did not answer or
// the connection check failed; 0 on the QX-G26A.
std::optional<uint32_t> MirroringMask(FeatureContext& context);

}  // namespace velkor
