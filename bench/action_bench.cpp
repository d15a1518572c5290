// Every action the way it is done now, beside the same action done the old way (fixed waits, full
// EEPROM writes), against the emulator on a real interface (bench/run-actions builds the segment).
// Figures are printed beside their targets; nothing is asserted.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/maintenance_page.h"
#include "cli/port_page.h"
#include "cli/run_ctl.h"
#include "cli/session.h"
#include "device/config_file.h"
#include "device/default_images.h"
#include "old_way.h"
#include "options.h"
#include "pages/ports/port_settings_fields.h"
#include "pages/switch/file_io.h"
#include "pages/switch/save_reset_image.h"
#include "raw_ping_pong.h"
#include "stats.h"
#include "transport/eeprom_update.h"
#include "transport/pcap_backend.h"
#include "wire_tally.h"

namespace velkor::bench {

namespace {

constexpr uint16_t kProbeRegister = 0x0207;
constexpr uint16_t kFirstFillRegister = 0x030C;
constexpr int kFillRegisters = 104;
constexpr uint16_t kAdvertisementRegister = 0x060B;
constexpr double kWriteCycleMs = 5;
constexpr double kRestartMs = 200;  // the emulator's soft reset (--reset-ms)
constexpr int kModelUnderTest = 3;  // QX-F24A, answering after 100 us
constexpr int kReferenceModel = 1;  // QX-F16A, answering at once: the host's own share of a round trip
constexpr uint16_t kMacAddress = 0x012, kAfterMac = 0x018, kModelByte = 0x01C;

struct Options {
  std::string iface;
  int rounds = 20;
  int eepromRounds = 1;
};

struct Figure {
  const char* action;
  double nowMs = 0, oldMs = 0;
  WireCount wire;
  double hardwareMs = 0;  // waits the switch itself needs, and bounds no event can end
  double limitMs = 0;     // the absolute target, 0 for none
  // What bare libpcap takes for the same, 0 when not measured: the target counts a batch as one
  // round trip though each frame costs a send call, and nothing for the capture handle's set-up.
  double bareMs = 0;
};

std::vector<uint16_t> FillRegisters() {
  std::vector<uint16_t> regs;
  for (int i = 0; i < kFillRegisters; ++i) regs.push_back(static_cast<uint16_t>(kFirstFillRegister + i));
  return regs;
}

double MsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

class Bench {
 public:
  // Every action runs on tally, which counts what it sends.
  Bench(WireTally& tally, Clock& clock, const Options& o)
      : backend_(tally), tally_(tally), clock_(clock), o_(o), session_(tally, clock, terminal_, sink_) {}

  bool Start();
  void Run();

 private:
  // The median time of rounds runs of action, each after an untimed setup; the wire of the last.
  double Measure(int rounds, const std::function<void()>& setup, const std::function<void()>& action,
                 WireCount* wire = nullptr);
  void Add(Figure f) { figures_.push_back(f); }
  void Print() const;

  void Login();
  void PageFill();
  void SettingChange();
  void Saves();
  void ExportImport();
  void OldSave();
  ConfigImage LiveImage();

  PacketBackend& backend_;
  WireTally& tally_;
  Clock& clock_;
  Options o_;
  cli::NoTerminal terminal_;
  std::ostringstream sink_;
  cli::CtlSession session_;
  std::string switchMac_;
  Mac adapterMac_{};
  double rawUs_ = 0, latencyUs_ = 0, gapUs_ = 0;
  double rawFillUs_ = 0;
  int model_ = 0;
  std::vector<Figure> figures_;
};

double Bench::Measure(int rounds, const std::function<void()>& setup, const std::function<void()>& action,
                      WireCount* wire) {
  std::vector<double> ms;
  for (int i = 0; i < rounds; ++i) {
    if (setup) setup();
    tally_.Start();
    const auto start = std::chrono::steady_clock::now();
    action();
    ms.push_back(MsSince(start));
    const WireCount count = tally_.Take(gapUs_);
    if (wire) *wire = count;
  }
  return Percentile(ms, 0.5);
}

bool Bench::Start() {
  // Which switch is which, from a discovery of our own.
  TransportSession probe(backend_, clock_, std::cerr, session_.Busy());
  probe.link.EnumerateAdapters();
  unsigned index = 0;
  while (index < probe.link.AdapterCount() && probe.link.Adapter(index)->name != o_.iface) ++index;
  if (probe.link.OpenChannels(index) != 0) return false;
  probe.discovery.Discover();
  std::optional<Mac> measured, reference;
  for (size_t i = 0; i < probe.discovery.SwitchCount(); ++i) {
    const int code = probe.discovery.ModelCode(i);
    if (code == kModelUnderTest) measured = probe.discovery.Switch(i)->mac;
    if (code == kReferenceModel) reference = probe.discovery.Switch(i)->mac;
  }
  if (!measured || !reference) {
    std::cerr << "expected one QX-F24A and one QX-F16A on the segment\n";
    return false;
  }
  switchMac_ = FormatMac(*measured);
  adapterMac_ = probe.link.AdapterMac();
  std::vector<double> raw, floor;
  std::string error;
  RawPingPong toSwitch, toReference;
  if (!toSwitch.Open(o_.iface, probe.link.AdapterMac(), *measured, error) ||
      !toReference.Open(o_.iface, probe.link.AdapterMac(), *reference, error)) {
    std::cerr << "raw handle: " << error << "\n";
    return false;
  }
  for (int i = 0; i < 500; ++i) {
    if (auto us = toSwitch.RoundTripUs(kProbeRegister)) raw.push_back(*us);
    if (auto us = toReference.RoundTripUs(kProbeRegister)) floor.push_back(*us);
  }
  std::vector<double> batch;
  const std::vector<uint16_t> fill = FillRegisters();
  for (int i = 0; i < 50; ++i)
    if (auto us = toSwitch.BatchUs(fill)) batch.push_back(*us);
  rawFillUs_ = Percentile(batch, 0.5);
  rawUs_ = Percentile(raw, 0.5);
  latencyUs_ = rawUs_ - Percentile(floor, 0.5);
  gapUs_ = rawUs_ / 2;

  cli::Arguments args;
  args.iface = o_.iface;
  args.switchMac = switchMac_;
  args.values["password"] = "vemix";
  if (session_.Connect(args) != 0) {
    std::cerr << "cannot log in: " << sink_.str() << "\n";
    return false;
  }
  model_ = session_.GetConnection().State().modelCode;
  return true;
}

void Bench::Login() {
  Figure f{"login (velkorctl info)"};
  const std::vector<std::string> args{"info",     "--iface",    o_.iface, "--switch",
                                      switchMac_, "--password", "vemix"};
  std::ostringstream out;
  f.nowMs = Measure(
      o_.rounds, nullptr, [&] { cli::RunCtl(args, backend_, clock_, terminal_, out, sink_); }, &f.wire);
  // The old login read the model byte, the password and every description three exchanges a byte.
  f.oldMs = Measure(o_.rounds, nullptr, [&] {
    TransportSession t(backend_, clock_, sink_, session_.Busy());
    t.link.EnumerateAdapters();
    unsigned i = 0;
    while (i < t.link.AdapterCount() && t.link.Adapter(i)->name != o_.iface) ++i;
    t.link.OpenChannels(i);
    t.discovery.Discover();
    size_t row = 0;
    while (row < t.discovery.SwitchCount() && FormatMac(t.discovery.Switch(row)->mac) != switchMac_) ++row;
    SwitchIdentifier identifier(t.discovery, t.link, t.engine, t.access);
    identifier.IdentifySwitch(row);
    OldWay old(t.engine);
    old.ReadEepromByte(kModelByte);
    old.ReadEeprom(kPasswordAddress, kPasswordSize);
    old.ReadEeprom(kSwitchDescriptionAddress, kSwitchDescriptionRead);
    old.ReadEeprom(kPortDescriptionAddress, kPortDescriptionSize * identifier.Layout().FeCount());
  });
  // The named switch's hello ends the listening window: it is one more round trip.
  ++f.wire.roundTrips;
  f.limitMs = 300;
  // Any login opens a capture handle and closes it again: what bare libpcap spends on that, with
  // the login's round trips at the raw round trip.
  std::string error;
  const double handleMs = Measure(o_.rounds, nullptr, [&] {
    OpenFiltered(o_.iface, FrameFilter{adapterMac_, std::nullopt}.ToBpf(), PCAP_D_IN, error);
  });
  f.bareMs = handleMs + f.wire.roundTrips * rawUs_ / 1000;
  Add(f);
}

void Bench::PageFill() {
  RegisterEngine& engine = session_.Transport().engine;
  const std::vector<uint16_t> regs = FillRegisters();
  Figure f{"page fill of 104 registers"};
  f.nowMs = Measure(
      o_.rounds, nullptr,
      [&] {
        engine.BeginBatch();
        for (uint16_t reg : regs) engine.QueueRead(reg);
        engine.TransmitBatch();
      },
      &f.wire);
  OldWay old(engine);
  f.oldMs = Measure(o_.rounds, nullptr, [&] { old.Batch(regs); });
  f.limitMs = 5;
  f.bareMs = rawFillUs_ / 1000;
  Add(f);
}

void Bench::SettingChange() {
  cli::CtlPortPage page(session_);
  page.Settings().FillPortSettings();
  page.Select({0});
  const PortSettingItem items[] = {*cli::ParseSettingValue(PortColumn::kRx, "1m"),
                                   *cli::ParseSettingValue(PortColumn::kRx, "2m")};
  int next = 0;
  Figure f{"port setting change, click to list"};
  f.nowMs = Measure(
      o_.rounds, nullptr,
      [&] { page.Settings().SettingClick(items[next++ % 2], ManagementPortRule::kAllow); }, &f.wire);

  // The same exchanges: connection check, the column's registers, the write, the check and the refill.
  RegisterEngine& engine = session_.Transport().engine;
  const PortLayout& layout = session_.Identifier().Layout();
  std::vector<uint16_t> column, refill;
  for (int q = 0; q < layout.PortSlots(); ++q) {
    column.push_back(FieldRegister(PortField::kBandwidth, q));
    for (PortField field : {PortField::kPortOff, PortField::kBandwidth, PortField::kAdvertisement})
      refill.push_back(FieldRegister(field, q));
  }
  refill.push_back(0x0307);
  const int p = layout.ChipPortOfRow(0);
  OldWay old(engine);
  f.oldMs = Measure(o_.rounds, nullptr, [&] {
    engine.ReadRegister(kProbeRegister);
    const std::vector<int> entries = old.Batch(column);
    const int shift = FieldShift(PortField::kBandwidth, p);
    const int entry = entries[static_cast<size_t>(
        std::find(column.begin(), column.end(), FieldRegister(PortField::kBandwidth, p)) - column.begin())];
    const PortSettingItem& item = items[next++ % 2];
    engine.SetBatchBits(entry, uint32_t{item.mask} << shift, uint32_t{item.value} << shift);
    old.Flush();
    engine.ReadRegister(kProbeRegister);
    old.Batch(refill);
  });
  f.limitMs = 10;
  Add(f);
}

ConfigImage Bench::LiveImage() {
  ConfigImage image = SaveTemplateFor(model_);
  ReadLiveRegisters(session_.Transport(), image, nullptr);
  return image;
}

// Checks the connection, reads the image a register at a time, writes and reads back every byte.
void Bench::OldSave() {
  RegisterEngine& engine = session_.Transport().engine;
  OldWay old(engine);
  engine.ReadRegister(kProbeRegister);
  ConfigImage image = SaveTemplateFor(model_);
  const ConfigImage live = old.ReadRegisterImage();
  ForEachImageRegister([&](size_t, uint16_t, size_t offset) {
    image[offset] = live[offset];
    image[offset + 1] = live[offset + 1];
  });
  old.WriteEeprom(kConfigBlockStart, image);
  engine.ReadRegister(kProbeRegister);
}

void Bench::Saves() {
  cli::CtlMaintenance maintenance(session_);
  SaveReset& page = maintenance.Page();
  RegisterEngine& engine = session_.Transport().engine;
  page.SaveSettings();
  const auto save = [&] { page.SaveSettings(); };
  const auto old = [&] { OldSave(); };

  Figure same{"save, nothing changed"};
  same.nowMs = Measure(o_.rounds, nullptr, save, &same.wire);
  same.oldMs = Measure(o_.eepromRounds, nullptr, old);
  same.limitMs = 150;
  Add(same);

  const auto changeOneByte = [&] {
    const uint16_t v = engine.ReadRegister(kAdvertisementRegister).Low16();
    engine.WriteRegister(kAdvertisementRegister, v ^ 0x0001);
  };
  Figure one{"save, one byte changed"};
  one.nowMs = Measure(o_.rounds, changeOneByte, save, &one.wire);
  one.oldMs = Measure(o_.eepromRounds, changeOneByte, old);
  one.hardwareMs = kWriteCycleMs * one.wire.eepromWrites;
  Add(one);

  const auto changeEveryByte = [&] {
    ConfigImage other = LiveImage();
    for (uint8_t& b : other) b = static_cast<uint8_t>(~b);
    UpdateEepromRange(session_.Transport().access, kConfigBlockStart, other);
  };
  Figure all{"full save, 348 bytes changed"};
  all.nowMs = Measure(o_.eepromRounds, changeEveryByte, save, &all.wire);
  all.oldMs = Measure(o_.eepromRounds, changeEveryByte, old);
  all.hardwareMs = kWriteCycleMs * all.wire.eepromWrites;
  all.limitMs = 1.2 * kWriteCycleMs * kConfigBlockSize;
  Add(all);
}

void Bench::ExportImport() {
  cli::CtlMaintenance maintenance(session_);
  ConfigTransfer& transfer = maintenance.Transfer();
  RegisterEngine& engine = session_.Transport().engine;
  const std::string path = "/tmp/velkor-action-bench.bin";
  OldWay old(engine);

  Figure out{"export"};
  out.nowMs = Measure(
      o_.eepromRounds, nullptr, [&] { transfer.Export(path); }, &out.wire);
  out.oldMs = Measure(o_.eepromRounds, nullptr, [&] {
    ConfigFileImage image{};
    for (uint16_t a = 0; a < kExportedBytes; ++a)
      if (a < kPasswordAddress || a >= kPasswordAddress + kPasswordSize) image[a] = old.ReadEepromByte(a);
    WriteFileAtomically(path + ".old", EncodeConfigFile(transfer.ModelName(), image));
  });
  Add(out);

  const auto file = ReadFileHead(path, kConfigFileReadLimit);
  const auto image = file ? DecodeConfigFile(*file, transfer.ModelName()) : std::nullopt;
  if (!image) {
    std::cerr << "the exported file does not read back\n";
    return;
  }
  Figure in{"import of an identical file"};
  in.nowMs = Measure(
      o_.eepromRounds, nullptr, [&] { transfer.Import(path, true); }, &in.wire);
  in.oldMs = Measure(o_.eepromRounds, nullptr, [&] {
    old.ReadEepromByte(kModelByte);
    const std::pair<uint16_t, uint16_t> ranges[] = {{0, kMacAddress},
                                                    {kAfterMac + 1, kPasswordAddress},
                                                    {kPasswordAddress + kPasswordSize, kExportedBytes}};
    for (const auto& [first, end] : ranges)
      old.WriteEeprom(first, std::span<const uint8_t>(image->begin() + first, image->begin() + end));
    ConfigImage block;
    std::copy_n(image->begin() + kConfigBlockStart, kConfigBlockSize, block.begin());
    struct Silent : Progress {
      void StepIt() override {}
    } progress;
    session_.Transport().blocks.WriteRegisterImage(block, progress);
    old.SoftReset();
    engine.ReadRegister(kProbeRegister);
  });
  in.hardwareMs = kRestartMs + kWriteCycleMs * in.wire.eepromWrites;
  Add(in);
}

void Bench::Print() const {
  std::printf("raw round trip %.1f us, of which the emulator's latency %.1f us (set to 100 us)\n", rawUs_,
              latencyUs_);
  std::printf(
      "| action | now ms | old way ms | old/now | round trips | frames | EEPROM writes | target ms | limit "
      "ms | bare libpcap ms |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const Figure& f : figures_) {
    const double target = 1.2 * f.wire.roundTrips * rawUs_ / 1000 + f.hardwareMs;
    char limit[32] = "";
    if (f.limitMs > 0) std::snprintf(limit, sizeof limit, "%.0f", f.limitMs);
    char bare[32] = "";
    if (f.bareMs > 0) std::snprintf(bare, sizeof bare, "%.2f", f.bareMs);
    std::printf("| %s | %.1f | %.1f | %.1f | %d | %d | %d | %.1f | %s | %s |\n", f.action, f.nowMs, f.oldMs,
                f.nowMs > 0 ? f.oldMs / f.nowMs : 0, f.wire.roundTrips, f.wire.frames, f.wire.eepromWrites,
                target, limit, bare);
  }
}

void Bench::Run() {
  Login();
  PageFill();
  SettingChange();
  Saves();
  ExportImport();
  Print();
}

int RunBench(const Options& options) {
  PcapBackend backend;
  SystemClock clock;
  WireTally tally(backend, clock);
  Bench bench(tally, clock, options);
  if (!bench.Start()) return 1;
  bench.Run();
  return 0;
}

bool ParseOptions(int argc, char** argv, Options& o) {
  return ParseKeyValues(argc, argv, o.iface, {{"--rounds", &o.rounds}, {"--eeprom-rounds", &o.eepromRounds}});
}

}  // namespace

}  // namespace velkor::bench

int main(int argc, char** argv) {
  velkor::bench::Options options;
  if (!velkor::bench::ParseOptions(argc, argv, options)) {
    std::cerr << "usage: velkor-action-bench --iface NAME [--rounds N] [--eeprom-rounds N]\n";
    return 2;
  }
  return velkor::bench::RunBench(options);
}
