#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pages/switch/feature_context.h"
#include "pages/switch/port_bits.h"

namespace velkor {

enum class PrioritySource { kPort, kDiffServ, kDot1p };
// The high/low ratio codes of the control register's bits 3-4.
enum class QosRatio { k4To1 = 0, k8To1 = 1, k16To1 = 2, kStrict = 3 };

// The QoS control register and the per-port priority bits (set: high priority).
inline constexpr uint16_t kQosControlRegister = 0x0400;
inline constexpr PortBitPair kPortPriorityPair{0x0401, 0x0402};
// The source the control register selects; none for the conflicting combination.
std::optional<PrioritySource> PrioritySourceOf(uint32_t control);
QosRatio QosRatioOf(uint32_t control);

// What the page "QoS设置" shows after its last fill; none where the chip did not answer.
struct QosState {
  std::optional<PrioritySource> source;
  std::optional<QosRatio> ratio;
  bool listEnabled = false;      // only port-based priority takes port priorities
  std::vector<PortBitRow> rows;  // set: high priority
};

// The page "QoS设置": where frame priority comes from, the high/low ratio and each port's priority.
// Every change reads before it writes, writes nothing from a lost read, and ends with a refill
// that shows whether it took.
class Qos {
 public:
  explicit Qos(FeatureContext& context) : c_(context) {}

  // kSwitchLost also after conflicting source bits, which end the connection.
  Outcome Fill();
  const QosState& State() const { return state_; }

  Outcome SetSource(PrioritySource source);
  Outcome SetRatio(QosRatio ratio);
  // The priority menu on the given list rows; kRefused unless the source is the port.
  Outcome SetPortPriority(const std::vector<size_t>& rows, bool high);

 private:
  // Switches the ports off, runs change, and gives the ports back the state they had: frames must
  // not pass while the queues are being rearranged, and a port the user had switched off stays
  // off. Nothing happens when the port-off registers do not answer.
  Outcome WithPortsOff(const std::function<void()>& change);
  Outcome Refilled(const std::function<bool(const QosState&)>& took);

  FeatureContext& c_;
  QosState state_;
};

}  // namespace velkor
