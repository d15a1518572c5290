#include "pages/ports/port_statistics.h"

#include <algorithm>
#include <string>
#include <utility>

#include "device/message_table.h"
#include "device/port_captions.h"
#include "pages/ports/statistics_batch.h"

namespace velkor {
namespace {

// The pause button's caption before the first connection; afterwards it reads "停止刷新" while
// refreshing and "继续刷新" while paused, both from the message table.
constexpr std::string_view kPauseRefresh = "暂停刷新";

constexpr std::string_view kZero = "0";

}  // namespace

PortStatistics::PortStatistics(TransportSession& transport, SwitchIdentifier& identifier,
                               Connection& connection, StatisticsView& view, StatisticsWindow window)
    : engine_(transport.engine),
      identifier_(identifier),
      connection_(connection),
      view_(view),
      window_(std::move(window)),
      pauseCaption_(kPauseRefresh) {}

size_t PortStatistics::FastEthernetRows() const {
  return std::min(static_cast<size_t>(Layout().FeCount()), kFastEthernetRows);
}

RowTotals* PortStatistics::TotalsOfRow(size_t row) {
  const size_t fe = static_cast<size_t>(Layout().FeCount());
  if (row < fe) return row < kFastEthernetRows ? &fastEthernet_[row] : nullptr;
  if (row < Layout().RowCount() && row - fe < kGigabitRows) return &gigabit_[row - fe];
  return nullptr;
}

void PortStatistics::SetCell(size_t row, size_t cell, std::string_view text) {
  if (row >= rows_.size()) return;
  rows_[row].cells[cell] = text;
  view_.SetCell(row, cell, rows_[row].cells[cell]);
}

void PortStatistics::ShowCount(size_t row, TrafficCounter counter, uint64_t total) {
  SetCell(row, CountCell(counter), std::to_string(total));
}

void PortStatistics::RunTimer(bool running) {
  timerRunning_ = running;
  view_.RunTimer(running);
}

void PortStatistics::SetPauseCaption(std::string_view caption) {
  pauseCaption_ = caption;
  view_.SetPauseCaption(caption);
}

void PortStatistics::TabSheet5Show() {
  // Counting or paused: the list keeps what it counted.
  if (timerRunning_ || pauseCaption_ == Message(MessageId::kResumeRefreshing)) return;
  view_.Repaint();
  if (!connection_.CheckConnection()) return;

  StatisticsBatch batch(engine_);
  batch.Read(StatisticsRegisters::kUnits, Layout().PortSlots());
  rows_.clear();
  for (size_t row = 0; row < Layout().RowCount(); ++row) {
    const int chipPort = Layout().ChipPortOfRow(row);
    StatisticsRow& shown = rows_.emplace_back(StatisticsRow{RowCaption(Layout(), row), {}});
    for (TrafficCounter c : kTrafficCounters) {
      shown.cells[CountCell(c)] = kZero;
      // A unit that got no reply is not known: the cell stays empty rather than claim bytes.
      if (const auto unit = batch.Unit(c, chipPort)) shown.cells[UnitCell(c)] = UnitText(*unit);
    }
  }
  view_.SetRows(rows_);
  view_.ShowCounting(false);
}

void PortStatistics::SwitchStatusSheetShow() {
  if (!connection_.State().connected) return;
  connection_.SetUnsaved(true);
  view_.Repaint();
  if (window_.selectPages) window_.selectPages();
  TabSheet5Show();
}

void PortStatistics::RestartTotals(size_t rows) {
  StatisticsBatch batch(engine_);
  batch.Read(StatisticsRegisters::kCounters, Layout().PortSlots());
  for (size_t row = 0; row < rows; ++row) {
    RowTotals* totals = TotalsOfRow(row);
    if (!totals) continue;
    const int chipPort = Layout().ChipPortOfRow(row);
    for (TrafficCounter c : kTrafficCounters)
      (*totals)[static_cast<size_t>(c)].Start(batch.Counter(c, chipPort));
  }
}

void PortStatistics::Button3Click() {
  RestartTotals(Layout().RowCount());
  RunTimer(true);
  view_.ShowCounting(true);
}

void PortStatistics::Button21Click() { EnterIdle(); }

void PortStatistics::Button6Click() {
  const bool resume = !timerRunning_;
  RunTimer(resume);
  SetPauseCaption(resume ? Message(MessageId::kStopRefreshing) : Message(MessageId::kResumeRefreshing));
}

// Gigabit rows keep their totals and texts and go on counting from them.
void PortStatistics::Button1Click() {
  RestartTotals(FastEthernetRows());
  ZeroFastEthernetCounts();
}

void PortStatistics::Timer1Timer() {
  // Counting goes on in the chip meanwhile; the next refresh takes up the difference.
  if (!timerRunning_ || !window_.pageInFront || !window_.pageInFront()) return;
  RefreshPortCounters();
}

void PortStatistics::RefreshPortCounters() {
  view_.Repaint();
  if (!connection_.CheckConnection()) return;

  StatisticsBatch batch(engine_);
  batch.Read(StatisticsRegisters::kAll, Layout().PortSlots());
  for (size_t row = 0; row < Layout().RowCount(); ++row) {
    RowTotals* totals = TotalsOfRow(row);
    if (!totals) continue;
    const int chipPort = Layout().ChipPortOfRow(row);
    for (TrafficCounter c : kTrafficCounters) {
      // A lost reply is no reading: counting it would look like a wrap of the counter.
      if (const auto raw = batch.Counter(c, chipPort)) {
        CounterTotal& total = (*totals)[static_cast<size_t>(c)];
        total.Take(*raw);
        ShowCount(row, c, total.Total());
      }
      if (const auto unit = batch.Unit(c, chipPort)) SetCell(row, UnitCell(c), UnitText(*unit));
    }
  }
}

void PortStatistics::UnitClick(TrafficCounter counter, CounterUnit unit) {
  const std::string_view text = UnitText(unit);
  StatisticsBatch batch(engine_);
  // Written back with the selected ports' units changed.
  batch.Read(StatisticsRegisters::kUnits, Layout().PortSlots(), BatchReads::kConfirmed);
  for (size_t row : view_.SelectedRows()) {
    if (row >= rows_.size() || rows_[row].cells[UnitCell(counter)] == text) continue;
    const int chipPort = ChipPortOfCaption(Layout(), rows_[row].caption);
    // A unit register that got no reply is not written back: the row stays as it was.
    if (!batch.SetUnit(counter, chipPort, unit)) continue;
    SetCell(row, UnitCell(counter), text);
    SetCell(row, CountCell(counter), kZero);
    // The chip counts from 0 in the new unit, so the first refresh adds all it counted.
    if (RowTotals* totals = TotalsOfRow(row)) (*totals)[static_cast<size_t>(counter)].Restart();
  }
  batch.Flush();
}

void PortStatistics::PopupMenu1Popup() {
  const std::vector<size_t> selected = view_.SelectedRows();
  view_.EnableUnitMenus(!selected.empty());
  // Rows that count in different units leave their counter's menu unmarked.
  std::array<std::optional<CounterUnit>, kTrafficCounters.size()> shared;
  for (TrafficCounter c : kTrafficCounters) {
    std::optional<CounterUnit>& unit = shared[static_cast<size_t>(c)];
    for (size_t i = 0; i < selected.size(); ++i) {
      const auto rowUnit =
          selected[i] < rows_.size() ? UnitOfText(rows_[selected[i]].cells[UnitCell(c)]) : std::nullopt;
      if (i > 0 && rowUnit != unit) {
        unit.reset();
        break;
      }
      unit = rowUnit;
    }
  }
  view_.MarkUnits(shared);
}

void PortStatistics::StopMIBRefreshing() {
  if (!timerRunning_) return;
  RunTimer(false);
  SetPauseCaption(Message(MessageId::kResumeRefreshing));
}

void PortStatistics::EnterIdle() {
  RunTimer(false);
  view_.ShowCounting(false);
  SetPauseCaption(Message(MessageId::kStopRefreshing));
}

void PortStatistics::ShowFactoryUnits() {
  EnterIdle();
  const std::string_view frames = UnitText(CounterUnit::kFrames);
  for (size_t row = 0; row < FastEthernetRows(); ++row) {
    for (TrafficCounter c : kTrafficCounters) {
      SetCell(row, CountCell(c), kZero);
      SetCell(row, UnitCell(c), frames);
    }
  }
}

void PortStatistics::ZeroFastEthernetCounts() {
  for (size_t row = 0; row < FastEthernetRows(); ++row)
    for (TrafficCounter c : kTrafficCounters) SetCell(row, CountCell(c), kZero);
}

}  // namespace velkor
