#include "transport/discovery.h"

#include <algorithm>
#include <map>
#include <set>
#include <utility>

namespace velkor {

Discovery::HelloKey Discovery::KeyOf(const Mac& sw, const Mac& peer, uint8_t localPort, uint8_t peerPort) {
  const auto number = [](const Mac& mac) {
    uint64_t n = 0;
    for (const uint8_t b : mac) n = n << 8 | b;
    return n;
  };
  return {number(sw) << 16 | uint64_t{localPort} << 8 | peerPort, number(peer)};
}

void Discovery::Discover() {
  std::vector<DiscoveredSwitch> previous = std::move(switches_);
  hellos_.clear();
  helloKeys_.clear();
  switches_.clear();
  CaptureChannel* send = link_.SendChannel();
  CaptureChannel* listen = link_.DiscoveryChannel();
  if (send && listen) {
    // Every get reply also passes this channel's filter; left to pile up while connected they
    // would fill the capture buffer and crowd out the hello replies.
    listen->DiscardPending();
    send->Send(BuildHello(link_.AdapterMac()));
    clock_.SleepMs(40);
    const FrameSink collect = [this](std::span<const uint8_t> frame) { CollectHello(frame); };
    listen->Dispatch(collect);
    // A flood can outgrow one read; what is already buffered is read without waiting.
    listen->DispatchPending(collect);
    KeepProvenSwitches();
  }
  Merge();
  // Identification belongs to the switch, not to its row: carry it over by MAC.
  for (DiscoveredSwitch& s : switches_) {
    auto old = std::find_if(previous.begin(), previous.end(),
                            [&](const DiscoveredSwitch& p) { return p.mac == s.mac; });
    if (old != previous.end()) s.identification = old->identification;
  }
}

void Discovery::CollectHello(std::span<const uint8_t> frame) {
  const auto layout = IsHelloReply(frame, link_.AdapterMac());
  if (!layout) return;
  const HelloFields h = ParseHelloReply(frame, *layout);
  const HelloKey key = KeyOf(h.switchMac, h.peerMac, h.localPort, h.peerPort);
  // Anyone on the segment can answer a broadcast: the table stays bounded whatever arrives.
  if (hellos_.size() == kMaxHelloCandidates || !helloKeys_.insert(key).second) return;
  HelloRecord r;
  r.peerMac = h.peerMac;
  r.peerMacText = FormatMac(h.peerMac);
  r.switchMac = h.switchMac;
  r.switchMacText = FormatMac(h.switchMac);
  r.peerPort = h.peerPort;
  r.localPort = h.localPort;
  r.helloWord = h.helloWord;
  r.modelWord = h.modelWord;
  hellos_.push_back(std::move(r));
}

void Discovery::KeepProvenSwitches() {
  // Each switch in order of its first record, and its place in that order.
  std::vector<Mac> macs;
  std::map<Mac, size_t> order;
  for (const HelloRecord& r : hellos_)
    if (order.emplace(r.switchMac, macs.size()).second) macs.push_back(r.switchMac);
  if (hellos_.size() <= kMaxHelloRecords && macs.size() <= kMaxSwitches) return;
  std::vector<Mac> proven = ProveSwitches(macs);
  // The switch being worked on stays, whatever else answered with it.
  if (selectedMac_ != kZeroMac && order.count(selectedMac_) &&
      std::find(proven.begin(), proven.end(), selectedMac_) == proven.end())
    proven.insert(proven.begin(), selectedMac_);
  if (proven.size() > kMaxSwitches) proven.resize(kMaxSwitches);
  const std::set<Mac> kept(proven.begin(), proven.end());
  std::vector<HelloRecord> records;
  const auto keep = [&](bool selected) {
    for (const HelloRecord& r : hellos_)
      if (records.size() < kMaxHelloRecords && (r.switchMac == selectedMac_) == selected &&
          kept.count(r.switchMac))
        records.push_back(r);
  };
  // The selected switch's records first, so that no other switch's paths crowd them out.
  keep(true);
  keep(false);
  // Back in arrival order, which is the order the list shows.
  std::stable_sort(records.begin(), records.end(), [&](const HelloRecord& a, const HelloRecord& b) {
    return order[a.switchMac] < order[b.switchMac];
  });
  hellos_ = std::move(records);
  helloKeys_.clear();
  for (const HelloRecord& r : hellos_)
    helloKeys_.insert(KeyOf(r.switchMac, r.peerMac, r.localPort, r.peerPort));
}

// A switch answers a get of its identity register, from its own MAC, with the identity value; a
// made-up hello has no chip behind it.
std::vector<Mac> Discovery::ProveSwitches(const std::vector<Mac>& candidates) {
  constexpr uint16_t kIdentityRegister = 0x0207;
  constexpr uint16_t kIdentityValue = 0x4140;
  constexpr uint64_t kProofWaitMs = 40;
  constexpr int kProofRounds = 3;
  CaptureChannel* send = link_.SendChannel();
  CaptureChannel* listen = link_.DiscoveryChannel();
  std::map<Mac, size_t> index;
  for (size_t i = 0; i < candidates.size(); ++i) index.emplace(candidates[i], i);
  std::vector<bool> proven(candidates.size());
  const FrameSink check = [&](std::span<const uint8_t> frame) {
    if (frame.size() < 12) return;
    Mac source;
    std::copy_n(frame.begin() + 6, 6, source.begin());
    const auto at = index.find(source);
    if (at == index.end()) return;
    const auto layout = IsGetReply(frame, link_.AdapterMac(), source);
    if (layout && ReplyRegister(frame, *layout) == kIdentityRegister &&
        static_cast<uint16_t>(ReplyData(frame, *layout)) == kIdentityValue)
      proven[at->second] = true;
  };
  // A lost proof would hide a real switch: the unproven are asked again, a bounded number of times.
  for (int round = 0; round < kProofRounds; ++round) {
    bool asked = false;
    for (size_t i = 0; i < candidates.size(); ++i) {
      if (proven[i]) continue;
      send->Send(BuildGet(link_.AdapterMac(), candidates[i], kIdentityRegister));
      asked = true;
    }
    if (!asked) break;
    clock_.SleepMs(kProofWaitMs);
    listen->Dispatch(check);
    listen->DispatchPending(check);
  }
  std::vector<Mac> kept;
  for (size_t i = 0; i < candidates.size(); ++i)
    if (proven[i]) kept.push_back(candidates[i]);
  return kept;
}

void Discovery::Merge() {
  for (const HelloRecord& r : hellos_) {
    auto s = std::find_if(switches_.begin(), switches_.end(),
                          [&](const DiscoveredSwitch& d) { return d.mac == r.switchMac; });
    if (s == switches_.end()) {
      if (switches_.size() == kMaxSwitches) continue;
      switches_.emplace_back();
      s = switches_.end() - 1;
      s->mac = r.switchMac;
    }
    s->macText = r.switchMacText;
    s->helloWord = r.helloWord;
    s->modelWord = r.modelWord;
  }
}

std::optional<std::string> Discovery::SwitchMacText(size_t hello) const {
  if (hello >= hellos_.size()) return std::nullopt;
  return hellos_[hello].switchMacText;
}

int Discovery::LocalPort(size_t hello) const {
  return hello < hellos_.size() ? hellos_[hello].localPort : -1;
}

std::optional<std::string> Discovery::SwitchMacTextOf(size_t i) const {
  if (i >= switches_.size()) return std::nullopt;
  return switches_[i].macText;
}

uint8_t Discovery::ModelCode(size_t i) const { return i < switches_.size() ? switches_[i].modelWord[2] : 0; }

void Discovery::Select(size_t i) {
  selected_ = i;
  selectedMac_ = i < switches_.size() ? switches_[i].mac : kZeroMac;
}

const DiscoveredSwitch* Discovery::SelectedSwitch() const {
  const auto s = std::find_if(switches_.begin(), switches_.end(),
                              [&](const DiscoveredSwitch& d) { return d.mac == selectedMac_; });
  return s == switches_.end() ? nullptr : &*s;
}

DiscoveredSwitch* Discovery::SelectedSwitch() {
  return const_cast<DiscoveredSwitch*>(std::as_const(*this).SelectedSwitch());
}

int Discovery::RefindSelectedSwitch() {
  // One lost hello reply is no lost switch: it is said again, a bounded number of times.
  for (int hello = 0; hello < kRefindHellos; ++hello) {
    Discover();
    for (size_t i = 0; i < switches_.size(); ++i) {
      if (switches_[i].mac == selectedMac_) {
        selected_ = i;
        return 0;
      }
    }
  }
  return -1;
}

int Discovery::IsManagementPort(uint8_t port) {
  if (RefindSelectedSwitch() != 0) {
    if (onLostSwitch_) onLostSwitch_();
    return -1;
  }
  for (const HelloRecord& r : hellos_)
    if (r.switchMac == selectedMac_ && r.localPort == port) return 1;
  return 0;
}

}  // namespace velkor
