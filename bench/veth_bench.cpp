// The transport on a real interface against an emulated segment (bench/run-veth builds one).
// Figures are printed beside their targets; nothing is asserted.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "options.h"
#include "pcap_handle.h"
#include "raw_ping_pong.h"
#include "stats.h"
#include "transport/pcap_backend.h"
#include "transport/transport_session.h"

namespace velkor::bench {

namespace {

constexpr uint16_t kProbeRegister = 0x0207;
constexpr uint16_t kFirstBatchRegister = 0x030C;
constexpr int kBatchReads = 104;
constexpr double kBatchWaitMs = 100;

struct Options {
  std::string iface;
  int rounds = 2000;
  int batches = 20;
  int discoveries = 20;
};

double MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Discoveries(TransportSession& t, const Options& o) {
  std::vector<double> ms;
  size_t fewest = SIZE_MAX;
  for (int i = 0; i < o.discoveries; ++i) {
    const auto start = std::chrono::steady_clock::now();
    t.discovery.Discover();
    ms.push_back(MsSince(start));
    fewest = std::min(fewest, t.discovery.SwitchCount());
  }
  std::printf(
      "discovery        median %7.1f ms  max %7.1f ms  fewest switches found %zu  (target: all, < 150 ms)\n",
      Percentile(ms, 0.5), Percentile(ms, 1), fewest);
}

// Alternates the two so that both see the same load on the machine.
void SingleReads(TransportSession& t, const Options& o) {
  RawPingPong floor;
  std::string error;
  if (!floor.Open(o.iface, t.link.AdapterMac(), t.discovery.SelectedMac(), error)) {
    std::cerr << "raw handle: " << error << "\n";
    return;
  }
  std::vector<double> raw, engine;
  int rawLost = 0, engineLost = 0;
  for (int i = 0; i < o.rounds; ++i) {
    if (auto us = floor.RoundTripUs(kProbeRegister))
      raw.push_back(*us);
    else
      ++rawLost;
    const auto start = std::chrono::steady_clock::now();
    const RegisterRead r = t.engine.ReadRegister(kProbeRegister);
    if (r.answered)
      engine.push_back(MsSince(start) * 1000);
    else
      ++engineLost;
  }
  const double floorUs = Percentile(raw, 0.5), readUs = Percentile(engine, 0.5);
  std::printf("raw ping-pong    median %7.1f us  p99 %7.1f us  lost %d\n", floorUs, Percentile(raw, 0.99),
              rawLost);
  std::printf(
      "ReadRegister     median %7.1f us  p99 %7.1f us  lost %d  ratio to floor %.2f  (target <= 1.5)\n",
      readUs, Percentile(engine, 0.99), engineLost, floorUs > 0 ? readUs / floorUs : 0);
}

void Batches(TransportSession& t, const Options& o) {
  std::string error;
  // Our own get requests as they leave the adapter.
  PcapHandle wire = OpenFiltered(o.iface, "ether proto 0x8899 and ether[15] = 1", PCAP_D_OUT, error);
  if (!wire) {
    std::cerr << "wire counter: " << error << "\n";
    return;
  }
  std::vector<double> aboveWait;
  int fewestFrames = INT32_MAX, mostFrames = 0, fewestAnswered = INT32_MAX;
  for (int b = 0; b < o.batches; ++b) {
    DrainCount(wire.get());
    t.engine.BeginBatch();
    for (int i = 0; i < kBatchReads; ++i) t.engine.QueueRead(static_cast<uint16_t>(kFirstBatchRegister + i));
    // Asking again for registers already queued must not add frames.
    for (int i = 0; i < kBatchReads; i += 8)
      t.engine.QueueRead(static_cast<uint16_t>(kFirstBatchRegister + i));
    const auto start = std::chrono::steady_clock::now();
    t.engine.TransmitBatch();
    aboveWait.push_back(MsSince(start) - kBatchWaitMs);
    const int frames = DrainCount(wire.get());
    int answered = 0;
    for (int i = 0; i < kBatchReads; ++i) answered += t.engine.BatchAnswered(i);
    fewestFrames = std::min(fewestFrames, frames);
    mostFrames = std::max(mostFrames, frames);
    fewestAnswered = std::min(fewestAnswered, answered);
  }
  std::printf("batch of %d      median %7.2f ms  max %7.2f ms above the %.0f ms wait  (target < 5 ms)\n",
              kBatchReads, Percentile(aboveWait, 0.5), Percentile(aboveWait, 1), kBatchWaitMs);
  std::printf("                 frames on the wire %d..%d for %d distinct registers, fewest answered %d\n",
              fewestFrames, mostFrames, kBatchReads, fewestAnswered);
}

bool ParseOptions(int argc, char** argv, Options& o) {
  return ParseKeyValues(
      argc, argv, o.iface,
      {{"--rounds", &o.rounds}, {"--batches", &o.batches}, {"--discoveries", &o.discoveries}});
}

}  // namespace

}  // namespace velkor::bench

int main(int argc, char** argv) {
  using namespace velkor;
  bench::Options options;
  if (!bench::ParseOptions(argc, argv, options)) {
    std::cerr << "usage: velkor-bench --iface NAME [--rounds N] [--batches N] [--discoveries N]\n";
    return 2;
  }
  PcapBackend backend;
  SystemClock clock;
  BusyIndicator busy;
  TransportSession t(backend, clock, std::cerr, busy);
  t.link.EnumerateAdapters();
  unsigned index = 0;
  while (index < t.link.AdapterCount() && t.link.Adapter(index)->name != options.iface) ++index;
  if (t.link.OpenChannels(index) != 0) {
    std::cerr << "cannot open " << options.iface << "\n";
    return 1;
  }
  bench::Discoveries(t, options);
  if (t.discovery.SwitchCount() == 0) {
    std::cerr << "no switch answered\n";
    return 1;
  }
  t.discovery.Select(0);
  t.link.SetRegisterFilter(t.discovery.SelectedMac());
  bench::SingleReads(t, options);
  bench::Batches(t, options);
  return 0;
}
