#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "cli/command.h"
#include "cli/counter_watch.h"
#include "cli/exit_codes.h"
#include "cli/port_list.h"
#include "cli/prometheus_stats.h"
#include "pages/ports/read_back.h"
#include "pages/ports/statistics_batch.h"
#include "pages/ports/statistics_menu.h"
#include "pages/ports/statistics_totals.h"

namespace velkor::cli {

namespace {

template <typename T, size_t N>
std::optional<T> Named(const std::array<std::string_view, N>& names, const std::string& text) {
  for (size_t i = 0; i < N; ++i)
    if (names[i] == text) return static_cast<T>(i);
  return std::nullopt;
}

// The page offers no CRC-error unit for the transmit counter; neither does the command line.
bool MenuOffers(TrafficCounter counter, CounterUnit unit) {
  for (const UnitMenu& menu : kUnitMenus)
    if (menu.counter == counter)
      return std::find(menu.units.begin(), menu.units.end(), unit) != menu.units.end();
  return false;
}

Record ReadingRecord(const std::string& port, const PortReading& reading) {
  Record record{{"port", port}};
  for (TrafficCounter c : kTrafficCounters) {
    const size_t i = static_cast<size_t>(c);
    record.push_back({CounterName(c), static_cast<int64_t>(reading.values[i])});
    record.push_back({CounterName(c) + "_unit", reading.units[i] ? UnitName(*reading.units[i]) : ""});
  }
  return record;
}

std::optional<std::vector<size_t>> Ports(CommandContext& c, const std::string& text) {
  std::string error;
  auto rows = ParsePortList(text, c.session.Identifier().Layout(), error);
  if (!rows) c.err << "velkorctl: " << c.args.command << ": " << error << "\n";
  return rows;
}

int ReadOnce(CommandContext& c, const std::vector<size_t>& rows) {
  const PortLayout& layout = c.session.Identifier().Layout();
  StatisticsBatch batch(c.session.Transport().engine);
  batch.Read(StatisticsRegisters::kAll, layout.PortSlots());
  std::vector<Record> records;
  for (size_t row : rows) {
    const int chipPort = layout.ChipPortOfRow(row);
    PortReading reading;
    for (TrafficCounter counter : kTrafficCounters) {
      const auto value = batch.Counter(counter, chipPort);
      const auto unit = batch.Unit(counter, chipPort);
      if (!value || !unit) return SwitchLost(c, "the counters of port " + PanelName(layout, row));
      reading.values[static_cast<size_t>(counter)] = *value;
      reading.units[static_cast<size_t>(counter)] = *unit;
    }
    records.push_back(ReadingRecord(PanelName(layout, row), reading));
  }
  c.out.Array(records);
  return kExitOk;
}

int Watch(CommandContext& c, const std::vector<size_t>& rows, uint32_t seconds,
          std::optional<uint32_t> count) {
  const PortLayout& layout = c.session.Identifier().Layout();
  RegisterEngine& engine = c.session.Transport().engine;
  std::vector<WatchedPort> ports;
  StatisticsBatch batch(engine);
  batch.Read(StatisticsRegisters::kAll, layout.PortSlots());
  for (size_t row : rows) ports.emplace_back(row, layout.ChipPortOfRow(row)).Start(batch, CountFrom::kNow);
  for (uint32_t printed = 0; !count || printed < *count; ++printed) {
    engine.GetClock().SleepMs(uint64_t{seconds} * 1000);
    if (!c.session.GetConnection().CheckConnection()) return kExitSwitchLost;
    batch.Read(StatisticsRegisters::kAll, layout.PortSlots());
    std::vector<Record> records;
    for (WatchedPort& port : ports) {
      Record record = ReadingRecord(PanelName(layout, port.Row()), port.Take(batch));
      record.push_back({"seconds", static_cast<int64_t>(uint64_t{seconds} * (printed + 1))});
      records.push_back(std::move(record));
    }
    // Each round reaches a pipe or a file at once, and an interrupted watch leaves every round
    // it printed.
    c.out.Array(records);
    c.out.Flush();
  }
  return kExitOk;
}

int Stats(CommandContext& c) {
  uint32_t seconds = 0;
  std::optional<uint32_t> count;
  const auto watch = c.args.Value("watch");
  if (watch && !ParseWatch(*watch, seconds, count)) {
    c.err << "velkorctl: stats: --watch takes SECONDS or SECONDSxCOUNT, SECONDS from 1 to "
          << kMaxWatchSeconds << ": " << *watch << "\n";
    return kExitUsage;
  }
  const bool prometheus = c.args.Flag("prometheus");
  const auto output = c.args.Value("output");
  if ((output && !prometheus) || (prometheus && c.args.json)) {
    c.err << "velkorctl: stats: --output goes with --prometheus, which is no JSON\n";
    return kExitUsage;
  }
  // The metrics carry each port's description as a label.
  if (const int e = prometheus ? ConnectWithDescriptions(c) : c.session.Connect(c.args)) return e;
  const auto rows = Ports(c, c.args.operands.empty() ? "all" : c.args.operands[0]);
  if (!rows) return kExitUsage;
  if (prometheus) return PrometheusStats(c, *rows, seconds, count, output);
  return watch ? Watch(c, *rows, seconds, count) : ReadOnce(c, *rows);
}

// Each unit register is written once for all the ports it holds, then read back.
int StatsUnit(CommandContext& c) {
  const auto counter = Named<TrafficCounter>(kCounterNames, c.args.operands[1]);
  const auto unit = Named<CounterUnit>(kUnitNames, c.args.operands[2]);
  if (!counter || !unit) {
    c.err << "velkorctl: stats-unit: the counter is rx, tx or drop and the unit bytes, frames, crc or "
             "collisions\n";
    return kExitUsage;
  }
  if (!MenuOffers(*counter, *unit)) {
    c.err << "velkorctl: stats-unit: " << CounterName(*counter) << " does not count in " << UnitName(*unit)
          << "\n";
    return kExitUsage;
  }
  if (const int e = c.session.Connect(c.args)) return e;
  const auto rows = Ports(c, c.args.operands[0]);
  if (!rows) return kExitUsage;
  const PortLayout& layout = c.session.Identifier().Layout();

  RegisterEngine& engine = c.session.Transport().engine;
  StatisticsBatch batch(engine);
  // Written back with one port's unit changed.
  batch.Read(StatisticsRegisters::kUnits, layout.PortSlots(), BatchReads::kConfirmed);
  std::vector<bool> changed;
  for (size_t row : *rows) {
    const int chipPort = layout.ChipPortOfRow(row);
    const auto current = batch.Unit(*counter, chipPort);
    if (!current) return SwitchLost(c, "the units of port " + PanelName(layout, row));
    changed.push_back(*current != *unit);
    if (changed.back()) batch.SetUnit(*counter, chipPort, *unit);
  }
  batch.Flush();

  const Outcome verified = ReadBack(engine, [&] {
    batch.Read(StatisticsRegisters::kUnits, layout.PortSlots());
    for (size_t row : *rows) {
      const auto back = batch.Unit(*counter, layout.ChipPortOfRow(row));
      if (back != unit) return back ? Outcome::kNotVerified : Outcome::kNoAnswer;
    }
    return Outcome::kDone;
  });
  // A read-back the fence could not decide may be a stale copy: it says nothing of what the port counts.
  if (verified == Outcome::kNoAnswer) return SwitchLost(c, "the check of the units written");
  std::vector<Record> records;
  for (size_t i = 0; i < rows->size(); ++i) {
    const std::string port = PanelName(layout, (*rows)[i]);
    const auto back = batch.Unit(*counter, layout.ChipPortOfRow((*rows)[i]));
    if (!back) return SwitchLost(c, "the units of port " + port);
    if (*back != *unit) {
      c.err << "velkorctl: port " << port << " counts " << CounterName(*counter) << " in " << UnitName(*back)
            << ", not " << UnitName(*unit) << "\n";
      return kExitFailure;
    }
    records.push_back({{"port", port},
                       {"counter", CounterName(*counter)},
                       {"unit", UnitName(*unit)},
                       {"changed", static_cast<bool>(changed[i])}});
  }
  c.out.Array(records);
  return kExitOk;
}

}  // namespace

// Commands on traffic counters: stats, stats-unit.
const std::vector<Command>& StatisticsCommands() {
  static const std::vector<Command> commands{
      {"stats", "stats [PORTS] [--watch SECONDS[xCOUNT]] [--prometheus [--output FILE]]", 0, 1, Stats},
      {"stats-unit", "stats-unit PORTS rx|tx|drop bytes|frames|crc|collisions  (tx counts no crc)", 3, 3,
       StatsUnit},
  };
  return commands;
}

}  // namespace velkor::cli
