#include "transport/discovery.h"

#include <algorithm>
#include <utility>

namespace velkor {

namespace {
// A MAC as one number: a flood's tables look MACs up hundreds of times per discovery, and integers
// compare in one step where six bytes take a byte comparison.
uint64_t MacNumber(const Mac& mac) {
  uint64_t n = 0;
  for (const uint8_t b : mac) n = n << 8 | b;
  return n;
}
}  // namespace

Discovery::HelloKey Discovery::KeyOf(const Mac& sw, const Mac& peer, uint8_t localPort, uint8_t peerPort) {
  return {MacNumber(sw) << 16 | uint64_t{localPort} << 8 | peerPort, MacNumber(peer)};
}

void Discovery::Discover(std::optional<Mac> awaited) {
  std::vector<DiscoveredSwitch> previous = std::move(switches_);
  hellos_.clear();
  helloKeys_.clear();
  helloKeyMemory_.release();
  switches_.clear();
  CaptureChannel* send = link_.SendChannel();
  CaptureChannel* listen = link_.DiscoveryChannel();
  if (send && listen) {
    // Every get reply also passes this channel's filter; left to pile up while connected they
    // would fill the capture buffer and crowd out the hello replies.
    listen->DiscardPending();
    send->Send(BuildHello(link_.AdapterMac()));
    const FrameSink collect = [this](std::span<const uint8_t> frame) { CollectHello(frame); };
    awaited_ = awaited;
    awaitedHeard_ = false;
    if (awaited)
      AwaitHello(*listen, collect);
    else
      clock_.SleepMs(kHelloWindowMs);
    if (!awaitedHeard_) listen->Dispatch(collect);
    // A flood can outgrow one read; what is already buffered is read without waiting.
    listen->DispatchPending(collect);
    KeepProvenSwitches();
  }
  // Only the records the table keeps are shown: a flood's others are never written out.
  for (HelloRecord& r : hellos_) {
    r.peerMacText = FormatMac(r.peerMac);
    r.switchMacText = FormatMac(r.switchMac);
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
  r.switchMac = h.switchMac;
  r.peerPort = h.peerPort;
  r.localPort = h.localPort;
  r.helloWord = h.helloWord;
  r.modelWord = h.modelWord;
  hellos_.push_back(std::move(r));
  if (awaited_ && h.switchMac == *awaited_) awaitedHeard_ = true;
}

void Discovery::AwaitHello(CaptureChannel& listen, const FrameSink& collect) {
  const uint64_t endUs = clock_.NowUs() + kHelloWindowMs * 1000;
  for (uint64_t now = clock_.NowUs(); !awaitedHeard_ && now < endUs; now = clock_.NowUs()) {
    if (listen.DispatchWithin(collect, endUs - now) < 0) {
      // A read that fails at once must not spin: the rest of the window is slept instead.
      clock_.SleepUs(endUs - now);
      return;
    }
  }
}

void Discovery::KeepProvenSwitches() {
  // Each switch once, with the index of its first record, sorted by MAC for lookups: sorted
  // vectors rather than a tree node per switch, as a flood brings thousands.
  std::vector<std::pair<uint64_t, size_t>> firstRecord;
  firstRecord.reserve(hellos_.size());
  for (size_t i = 0; i < hellos_.size(); ++i) firstRecord.push_back({MacNumber(hellos_[i].switchMac), i});
  std::sort(firstRecord.begin(), firstRecord.end());
  firstRecord.erase(std::unique(firstRecord.begin(), firstRecord.end(),
                                [](const auto& a, const auto& b) { return a.first == b.first; }),
                    firstRecord.end());
  if (hellos_.size() <= kMaxHelloRecords && firstRecord.size() <= kMaxSwitches) return;
  const auto firstOf = [&](const Mac& mac) -> std::optional<size_t> {
    const uint64_t n = MacNumber(mac);
    const auto at =
        std::lower_bound(firstRecord.begin(), firstRecord.end(), std::pair<uint64_t, size_t>{n, 0});
    return at != firstRecord.end() && at->first == n ? std::optional(at->second) : std::nullopt;
  };
  // The switches in order of their first record.
  std::vector<size_t> firsts;
  firsts.reserve(firstRecord.size());
  for (const auto& entry : firstRecord) firsts.push_back(entry.second);
  std::sort(firsts.begin(), firsts.end());
  std::vector<Mac> macs;
  macs.reserve(firsts.size());
  for (const size_t i : firsts) macs.push_back(hellos_[i].switchMac);
  std::vector<Mac> proven = ProveSwitches(macs);
  // The switch being worked on stays, whatever else answered with it.
  if (selectedMac_ != kZeroMac && firstOf(selectedMac_) &&
      std::find(proven.begin(), proven.end(), selectedMac_) == proven.end())
    proven.insert(proven.begin(), selectedMac_);
  if (proven.size() > kMaxSwitches) proven.resize(kMaxSwitches);
  std::vector<uint64_t> kept;
  for (const Mac& mac : proven) kept.push_back(MacNumber(mac));
  std::sort(kept.begin(), kept.end());
  // The records kept, as (first record of their switch, index): the selected switch's first, so
  // that no other switch's paths crowd them out.
  std::vector<std::pair<size_t, size_t>> order;
  const auto keep = [&](bool selected) {
    for (size_t i = 0; i < hellos_.size() && order.size() < kMaxHelloRecords; ++i) {
      const Mac& mac = hellos_[i].switchMac;
      if ((mac == selectedMac_) == selected && std::binary_search(kept.begin(), kept.end(), MacNumber(mac)))
        order.push_back({*firstOf(mac), i});
    }
  };
  keep(true);
  keep(false);
  // Back in arrival order, which is the order the list shows.
  std::sort(order.begin(), order.end());
  std::vector<HelloRecord> records;
  records.reserve(order.size());
  for (const auto& [first, i] : order) records.push_back(std::move(hellos_[i]));
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
  std::vector<std::pair<uint64_t, size_t>> index;
  index.reserve(candidates.size());
  for (size_t i = 0; i < candidates.size(); ++i) index.push_back({MacNumber(candidates[i]), i});
  std::sort(index.begin(), index.end());
  std::vector<bool> proven(candidates.size());
  const FrameSink check = [&](std::span<const uint8_t> frame) {
    if (frame.size() < 12) return;
    Mac source;
    std::copy_n(frame.begin() + 6, 6, source.begin());
    const uint64_t n = MacNumber(source);
    const auto at = std::lower_bound(index.begin(), index.end(), std::pair<uint64_t, size_t>{n, 0});
    if (at == index.end() || at->first != n) return;
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
