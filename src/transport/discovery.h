#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory_resource>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "transport/clock.h"
#include "transport/frame.h"
#include "transport/link.h"

namespace velkor {

inline constexpr size_t kMaxHelloRecords = 64;
inline constexpr size_t kMaxSwitches = 64;
// Anyone on the segment can answer a hello: a flood may come before and after the real switches,
// so more replies are kept while they are sorted out than the tables show.
inline constexpr size_t kMaxHelloCandidates = 4096;

// One distinct hello reply.
struct HelloRecord {
  Mac peerMac{};
  std::string peerMacText;
  Mac switchMac{};
  std::string switchMacText;
  uint8_t peerPort = 0;
  uint8_t localPort = 0;
  std::array<uint8_t, 2> helloWord{};
  std::array<uint8_t, 4> modelWord{};
};

// What identification learns of a switch's chip; kept with the switch across rediscoveries.
struct SwitchIdentification {
  uint8_t chipFamily = 0;
  uint8_t chipModel = 0;
  uint8_t panelType = 0;
  uint8_t reserved = 0;
  uint8_t mcuPresent = 0;
  uint8_t eepromPresent = 0;
  uint8_t gigaPhy1Status = 0;
  uint8_t gigaPhy2Status = 0;
};

// One distinct switch found by discovery.
struct DiscoveredSwitch {
  Mac mac{};
  std::string macText;
  std::array<uint8_t, 2> helloWord{};
  std::array<uint8_t, 4> modelWord{};
  SwitchIdentification identification;
};

// The hello and switch tables of the last discovery, and the selected switch.
class Discovery {
 public:
  Discovery(Link& link, Clock& clock) : link_(link), clock_(clock) {}

  // Broadcasts a hello and records the replies of its window. With awaited, the window ends as soon
  // as that switch has answered: a login that names its switch needs no other answer.
  void Discover(std::optional<Mac> awaited = std::nullopt);
  size_t HelloRecordCount() const { return hellos_.size(); }
  size_t SwitchCount() const { return switches_.size(); }
  const HelloRecord* Hello(size_t i) const { return i < hellos_.size() ? &hellos_[i] : nullptr; }
  DiscoveredSwitch* Switch(size_t i) { return i < switches_.size() ? &switches_[i] : nullptr; }
  const DiscoveredSwitch* Switch(size_t i) const { return i < switches_.size() ? &switches_[i] : nullptr; }

  std::optional<std::string> SwitchMacText(size_t hello) const;
  int LocalPort(size_t hello) const;
  std::optional<std::string> SwitchMacTextOf(size_t i) const;
  uint8_t ModelCode(size_t i) const;

  size_t Selected() const { return selected_; }
  // Makes switch i the target of every register request (none for an index beyond the table).
  void Select(size_t i);
  // The selected switch's MAC, kept apart from the table: a rediscovery that misses the switch
  // does not send its requests elsewhere. All zero when nothing was selected.
  const Mac& SelectedMac() const { return selectedMac_; }
  // The selected switch's entry in the current table, wherever a rediscovery put it; null when
  // the last discovery missed it.
  DiscoveredSwitch* SelectedSwitch();
  const DiscoveredSwitch* SelectedSwitch() const;

  // Discovers again until the selected switch answers, kRefindHellos hellos at most; 0 when it
  // answered, -1 when not.
  static constexpr int kRefindHellos = 3;
  int RefindSelectedSwitch();
  // 1 when the management computer's frames reach the connected switch through port, 0 when not,
  // -1 (after onLostSwitch) when the switch no longer answers the hello.
  int IsManagementPort(uint8_t port);
  void SetLostSwitchHandler(std::function<void()> handler) { onLostSwitch_ = std::move(handler); }

  // Hello-reply collector for one received frame (the records' MAC texts are written when the
  // discovery ends); public for the fuzzer.
  void CollectHello(std::span<const uint8_t> frame);

 private:
  static constexpr uint64_t kHelloWindowMs = 40;
  void AwaitHello(CaptureChannel& listen, const FrameSink& collect);
  void Merge();
  // With more candidates than the tables hold, keeps the hello records of the switches that prove
  // to be switches (and of the selected one), in their order of arrival, up to the tables' size.
  void KeepProvenSwitches();
  std::vector<Mac> ProveSwitches(const std::vector<Mac>& candidates);

  Link& link_;
  Clock& clock_;
  // What makes a hello reply distinct: switch MAC, peer MAC, local port and peer port.
  // Switch MAC with both ports, and peer MAC: two integers compare in two steps, where 14 bytes
  // take a byte comparison each time a flood's hello is looked up.
  using HelloKey = std::pair<uint64_t, uint64_t>;
  static HelloKey KeyOf(const Mac& sw, const Mac& peer, uint8_t localPort, uint8_t peerPort);

  std::vector<HelloRecord> hellos_;
  // A flood brings thousands of keys: their tree's nodes come from a few growing blocks, given
  // back at each discovery, rather than from an allocation apiece.
  std::pmr::monotonic_buffer_resource helloKeyMemory_;
  std::pmr::set<HelloKey> helloKeys_{&helloKeyMemory_};
  std::vector<DiscoveredSwitch> switches_;
  std::optional<Mac> awaited_;
  bool awaitedHeard_ = false;
  size_t selected_ = 0;
  Mac selectedMac_{};
  std::function<void()> onLostSwitch_;
};

}  // namespace velkor
