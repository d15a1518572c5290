#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pages/ports/statistics_registers.h"

namespace velkor {

// One row of the statistics list: the port caption and its six sub-items, the count and unit of
// receive, transmit and drop in turn.
struct StatisticsRow {
  std::string caption;
  std::array<std::string, 2 * kTrafficCounters.size()> cells;
};

inline constexpr size_t CountCell(TrafficCounter counter) { return 2 * static_cast<size_t>(counter); }
inline constexpr size_t UnitCell(TrafficCounter counter) { return CountCell(counter) + 1; }
inline constexpr bool IsCountCell(size_t cell) { return cell % 2 == 0; }

// The statistics page as its logic sees it.
class StatisticsView {
 public:
  virtual ~StatisticsView() = default;
  // Paints the page at once: the caller blocks the event loop right after.
  virtual void Repaint() = 0;
  virtual void SetRows(const std::vector<StatisticsRow>& rows) = 0;
  virtual void SetCell(size_t row, size_t cell, const std::string& text) = 0;
  // The selected list rows, in list order.
  virtual std::vector<size_t> SelectedRows() const = 0;
  // Idle: only "开始计数" is enabled; counting or paused: only the other three are.
  virtual void ShowCounting(bool counting) = 0;
  virtual void SetPauseCaption(std::string_view caption) = 0;
  // The 3000 ms refresh timer.
  virtual void RunTimer(bool running) = 0;
  // The three unit sub-menus of the list's pop-up menu.
  virtual void EnableUnitMenus(bool enabled) = 0;
  // Marks in each unit sub-menu the unit of that counter; none marks nothing.
  virtual void MarkUnits(const std::array<std::optional<CounterUnit>, kTrafficCounters.size()>& units) = 0;
};

}  // namespace velkor
