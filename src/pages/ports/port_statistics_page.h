#pragma once

#include <QWidget>
#include <vector>

#include "pages/page.h"
#include "pages/ports/statistics_view.h"

class QAction;
class QMenu;
class QPushButton;
class QTableWidget;
class QTimer;

namespace velkor {

class PortStatistics;

// The port statistics page "端口统计信息" of the switch-status sheet: the counter list, its unit
// menu, the four counting buttons and the refresh timer. The logic decides; this shows.
class PortStatisticsPage : public QWidget, public StatisticsView, public Page {
  Q_OBJECT

 public:
  explicit PortStatisticsPage(QWidget* parent = nullptr);

  // The logic the page's events go to; until then they do nothing.
  void Attach(PortStatistics& logic) { logic_ = &logic; }

  // StatisticsView.
  void Repaint() override;
  void SetRows(const std::vector<StatisticsRow>& rows) override;
  void SetCell(size_t row, size_t cell, const std::string& text) override;
  std::vector<size_t> SelectedRows() const override;
  void ShowCounting(bool counting) override;
  void SetPauseCaption(std::string_view caption) override;
  void RunTimer(bool running) override;
  void EnableUnitMenus(bool enabled) override;
  void MarkUnits(const std::array<std::optional<CounterUnit>, kTrafficCounters.size()>& units) override;

  // Page: a new connection starts idle; a lost or ended one stops the refresh and zeroes the counts.
  void Fill() override;
  void Connected(const PortLayout& layout, int modelCode) override;
  void Disconnected() override;

 private:
  QPushButton* AddButton(const char* name, const char* caption, void (PortStatistics::*handler)());
  void BuildMenu();
  void ShowContextMenu(const QPoint& position);

  PortStatistics* logic_ = nullptr;
  QTableWidget* list_;
  QTimer* timer_;
  QMenu* menu_;
  std::vector<QMenu*> unitMenus_;
  struct UnitItem {
    TrafficCounter counter;
    CounterUnit unit;
    QAction* action;
  };
  std::vector<UnitItem> unitItems_;
  QPushButton* start_;
  QPushButton* stop_;
  QPushButton* pause_;
  QPushButton* clear_;
};

}  // namespace velkor
