#pragma once

#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "device/connection.h"
#include "device/identification.h"
#include "pages/ports/statistics_control.h"
#include "pages/ports/statistics_registers.h"
#include "pages/ports/statistics_totals.h"
#include "pages/ports/statistics_view.h"
#include "transport/transport_session.h"

namespace velkor {

// What the statistics page asks of the main window.
struct StatisticsWindow {
  // Brings this page to the front of the status sheet and the port settings page to the front of
  // the configuration sheet.
  std::function<void()> selectPages;
  // Whether this page is what the window shows: its sheet is current and this page is in front.
  std::function<bool()> pageInFront;
};

// The port statistics page "端口统计信息": per-port traffic counting with selectable units. The
// hardware counters are 32 bits and wrap; the page keeps 64-bit running totals of them while it
// counts, refreshed every 3 s by the view's timer.
class PortStatistics : public StatisticsControl {
 public:
  PortStatistics(TransportSession& transport, SwitchIdentifier& identifier, Connection& connection,
                 StatisticsView& view, StatisticsWindow window);

  // The page shown: rebuilds the list from the chip's units, unless counting or paused.
  void TabSheet5Show();
  // The status sheet shown.
  void SwitchStatusSheetShow();
  void Button3Click();   // "开始计数"
  void Button21Click();  // "停止计数"
  void Button6Click();   // pause or resume the refresh
  void Button1Click();   // "清除"
  void Timer1Timer();
  void RefreshPortCounters();
  // The pop-up menu's unit items: counter of every selected row counts in unit from now on.
  void UnitClick(TrafficCounter counter, CounterUnit unit);
  // Enables the unit menus for a selection and marks the unit every selected row counts in.
  void PopupMenu1Popup();

  // StatisticsControl.
  void StopMIBRefreshing() override;
  void EnterIdle() override;
  void ShowFactoryUnits() override;

  // Connection changes stop the refresh.
  void StopTimer() { RunTimer(false); }
  // "断开连接" zeroes the count columns of the Fast Ethernet rows.
  void ZeroFastEthernetCounts();

 private:
  static constexpr size_t kFastEthernetRows = 26;
  static constexpr size_t kGigabitRows = 2;

  const PortLayout& Layout() const { return identifier_.Layout(); }
  size_t FastEthernetRows() const;
  // The totals of list row row, or null when the layout has no such row.
  RowTotals* TotalsOfRow(size_t row);
  // Reads every counter and starts the totals of rows 0 to rows - 1 afresh from it.
  void RestartTotals(size_t rows);
  void ShowCount(size_t row, TrafficCounter counter, uint64_t total);
  void SetCell(size_t row, size_t cell, std::string_view text);
  void RunTimer(bool running);
  void SetPauseCaption(std::string_view caption);

  RegisterEngine& engine_;
  SwitchIdentifier& identifier_;
  Connection& connection_;
  StatisticsView& view_;
  StatisticsWindow window_;
  std::vector<StatisticsRow> rows_;
  std::array<RowTotals, kFastEthernetRows> fastEthernet_{};
  std::array<RowTotals, kGigabitRows> gigabit_{};
  bool timerRunning_ = false;
  std::string_view pauseCaption_;
};

}  // namespace velkor
