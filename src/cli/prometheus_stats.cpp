#include "cli/prometheus_stats.h"

#include "cli/counter_watch.h"
#include "cli/exit_codes.h"
#include "cli/prometheus_text.h"
#include "device/gbk_text.h"
#include "device/model.h"
#include "device/port_captions.h"
#include "pages/ports/port_status.h"
#include "pages/switch/file_io.h"

namespace velkor::cli {

namespace {

std::vector<PortMetrics> Metrics(CommandContext& c, std::vector<WatchedPort>& ports,
                                 const StatisticsBatch& batch, const PortStatus& status) {
  const PortLayout& layout = c.session.Identifier().Layout();
  const DescriptionCache& cache = c.session.Transport().cache;
  std::vector<PortMetrics> metrics;
  for (WatchedPort& port : ports) {
    const size_t row = port.Row();
    PortMetrics m;
    m.port = PanelName(layout, row);
    if (row < static_cast<size_t>(layout.FeCount()) && row < kPortDescriptionSlots)
      m.description = GbkToUtf8(cache.ports[row]);
    const PortReading reading = port.Take(batch);
    for (size_t i = 0; i < m.counts.size(); ++i) {
      if (!reading.counted[i] || !reading.units[i]) continue;
      m.counts[i] = reading.values[i];
      m.units[i] = UnitName(*reading.units[i]);
    }
    if (row < status.Rows().size() && status.Rows()[row].link) m.linkUp = status.Rows()[row].LinkUp();
    metrics.push_back(std::move(m));
  }
  return metrics;
}

// The node_exporter collector must never read half a file: a round goes to a temporary file in
// the same folder, renamed over the old one when complete.
bool Publish(CommandContext& c, const std::string& text, const std::optional<std::string>& output) {
  if (!output) {
    c.out.Raw(text);
    c.out.Flush();
    return true;
  }
  if (WriteFileAtomically(*output, std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size())))
    return true;
  c.err << "velkorctl: cannot write " << *output << "\n";
  return false;
}

}  // namespace

int PrometheusStats(CommandContext& c, const std::vector<size_t>& rows, uint32_t seconds,
                    std::optional<uint32_t> count, const std::optional<std::string>& output) {
  const PortLayout& layout = c.session.Identifier().Layout();
  RegisterEngine& engine = c.session.Transport().engine;
  PortStatus status(c.session.Transport(), c.session.GetConnection(), c.session.Identifier());
  const SwitchLabels labels{c.session.GetConnection().State().connectedMacText,
                            std::string(ModelName(c.session.GetConnection().State().modelCode))};
  StatisticsBatch batch(engine);
  std::vector<WatchedPort> ports;
  for (uint32_t round = 1;; ++round) {
    // The status fill checks the connection first: a switch gone ends the watch. It is a batch of
    // its own, so the counters are read after it.
    if (status.FillPortStatus() == Outcome::kSwitchLost) return kExitSwitchLost;
    batch.Read(StatisticsRegisters::kAll, layout.PortSlots());
    if (ports.empty())
      for (size_t row : rows)
        ports.emplace_back(row, layout.ChipPortOfRow(row)).Start(batch, CountFrom::kChipStart);
    if (!Publish(c, PrometheusText(labels, Metrics(c, ports, batch, status)), output)) return kExitFailure;
    if (!seconds || (count && round >= *count)) return kExitOk;
    engine.GetClock().SleepMs(uint64_t{seconds} * 1000);
  }
}

}  // namespace velkor::cli
