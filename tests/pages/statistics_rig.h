#pragma once

#include <string>
#include <vector>

#include "pages/ports/port_statistics.h"
#include "pages/ports/statistics_view.h"
#include "support/emulated_connection.h"

namespace velkor::testing {

// Holds what the logic last showed.
class RecordingStatisticsView : public StatisticsView {
 public:
  std::vector<StatisticsRow> rows;
  std::vector<size_t> selected;
  bool counting = false;
  bool timer = false;
  bool menusEnabled = false;
  std::array<std::optional<CounterUnit>, 3> marked{};
  std::string pauseCaption = "暂停刷新";
  int repaints = 0;

  void Repaint() override { ++repaints; }
  void SetRows(const std::vector<StatisticsRow>& r) override { rows = r; }
  void SetCell(size_t row, size_t cell, const std::string& text) override {
    rows.at(row).cells.at(cell) = text;
  }
  std::vector<size_t> SelectedRows() const override { return selected; }
  void ShowCounting(bool on) override { counting = on; }
  void SetPauseCaption(std::string_view caption) override { pauseCaption = caption; }
  void RunTimer(bool running) override { timer = running; }
  void EnableUnitMenus(bool enabled) override { menusEnabled = enabled; }
  void MarkUnits(const std::array<std::optional<CounterUnit>, 3>& units) override { marked = units; }
};

// Connection events that stop the page's timer as the program's page does.
class StatisticsEvents : public RecordingEvents {
 public:
  PortStatistics* page = nullptr;
  void Lost() override {
    RecordingEvents::Lost();
    if (page) page->StopTimer();
  }
};

// A QX-G17A (24 Fast Ethernet ports, chip ports 0-23 in swapped pairs, G1 and G2 on chip ports 24
// and 25) on the host's in-memory wire, connected with the factory password, its statistics page
// in front.
struct StatisticsRig : EmulatedConnection<StatisticsEvents> {
  StatisticsRig() : EmulatedConnection(4) { events.page = &page; }

  uint64_t Gets() { return Agent().Frames().gets; }
  // The next read of reg goes unanswered, however often it is asked.
  void LoseRead(uint16_t reg) {
    Agent().Faults().Add(
        {.target = sim::FaultTarget::kGet, .count = RegisterEngine::kAsksPerRead, .reg = reg});
  }
  const std::string& Cell(size_t row, TrafficCounter c) { return view.rows.at(row).cells[CountCell(c)]; }
  const std::string& Unit(size_t row, TrafficCounter c) { return view.rows.at(row).cells[UnitCell(c)]; }

  RecordingStatisticsView view;
  bool inFront = true;
  int pageSelections = 0;
  PortStatistics page{
      transport,
      identifier,
      connection,
      view,
      {.selectPages = [this] { ++pageSelections; }, .pageInFront = [this] { return inFront; }}};
};

}  // namespace velkor::testing
