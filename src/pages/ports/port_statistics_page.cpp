#include "pages/ports/port_statistics_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "pages/ports/port_statistics.h"
#include "pages/ports/statistics_menu.h"
#include "pages/report_list.h"

namespace velkor {
namespace {

struct Column {
  const char* caption;
  int width;
  bool grows;  // the user may widen it up to kMaxCountWidth
};

constexpr Column kColumns[] = {
    {"端口", 47, false},
    {"RX计数", 121, true},
    {"RX计数单位", 81, false},
    {"TX计数", 121, true},
    {"TX计数单位", 81, false},
    {"帧丢弃计数", 121, true},
    {"帧丢弃计数单位", 121, false},
};
constexpr int kMaxCountWidth = 300;
constexpr int kRefreshMs = 3000;

QTableWidget* MakeList(QWidget* parent) {
  auto* list = MakeReportList(parent, std::size(kColumns), QStringLiteral("ListView5"),
                              QStringLiteral("单击右键设置计数单位"), QAbstractItemView::ExtendedSelection);
  list->setMouseTracking(true);

  QHeaderView* header = list->horizontalHeader();
  for (int c = 0; c < static_cast<int>(std::size(kColumns)); ++c) {
    header->setSectionResizeMode(c, kColumns[c].grows ? QHeaderView::Interactive : QHeaderView::Fixed);
    SetReportColumn(list, c, QString::fromUtf8(kColumns[c].caption), kColumns[c].width);
  }
  QObject::connect(header, &QHeaderView::sectionResized, list, [header](int c, int, int size) {
    if (kColumns[c].grows && size > kMaxCountWidth) header->resizeSection(c, kMaxCountWidth);
  });
  // A hand over the rows, the usual arrow elsewhere.
  QObject::connect(list, &QAbstractItemView::entered, list,
                   [list] { list->viewport()->setCursor(Qt::PointingHandCursor); });
  QObject::connect(list, &QAbstractItemView::viewportEntered, list,
                   [list] { list->viewport()->unsetCursor(); });
  return list;
}

}  // namespace

PortStatisticsPage::PortStatisticsPage(QWidget* parent)
    : QWidget(parent), list_(MakeList(this)), timer_(new QTimer(this)), menu_(new QMenu(this)) {
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(kRefreshMs);
  connect(timer_, &QTimer::timeout, this, [this] {
    if (logic_) logic_->Timer1Timer();
  });
  BuildMenu();
  connect(list_, &QWidget::customContextMenuRequested, this, &PortStatisticsPage::ShowContextMenu);

  start_ = AddButton("Button3", "开始计数", &PortStatistics::Button3Click);
  start_->setToolTip(QStringLiteral("单击开始计数"));
  stop_ = AddButton("Button21", "停止计数", &PortStatistics::Button21Click);
  stop_->setToolTip(QStringLiteral("单击停止计数"));
  pause_ = AddButton("Button6", "暂停刷新", &PortStatistics::Button6Click);
  pause_->setToolTip(QStringLiteral("单击暂停或继续刷新计数值"));
  clear_ = AddButton("Button1", "清除", &PortStatistics::Button1Click);
  clear_->setEnabled(false);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* b : {start_, stop_, pause_, clear_}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);
}

QPushButton* PortStatisticsPage::AddButton(const char* name, const char* caption,
                                           void (PortStatistics::*handler)()) {
  auto* button = new QPushButton(QString::fromUtf8(caption), this);
  button->setObjectName(QString::fromUtf8(name));
  connect(button, &QPushButton::clicked, this, [this, handler] {
    if (logic_) (logic_->*handler)();
  });
  return button;
}

void PortStatisticsPage::BuildMenu() {
  menu_->setObjectName(QStringLiteral("PopupMenu1"));
  for (const UnitMenu& unitMenu : kUnitMenus) {
    QMenu* sub = menu_->addMenu(QString::fromUtf8(unitMenu.caption));
    sub->setObjectName(QString::fromUtf8(unitMenu.name));
    for (CounterUnit unit : unitMenu.units) {
      const std::string_view text = UnitText(unit);
      QAction* item = sub->addAction(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
      item->setCheckable(true);
      unitItems_.push_back({unitMenu.counter, unit, item});
      connect(item, &QAction::triggered, this, [this, counter = unitMenu.counter, unit] {
        if (logic_) logic_->UnitClick(counter, unit);
      });
    }
    unitMenus_.push_back(sub);
  }
}

void PortStatisticsPage::ShowContextMenu(const QPoint& position) {
  if (logic_) logic_->PopupMenu1Popup();
  menu_->exec(list_->viewport()->mapToGlobal(position));
}

void PortStatisticsPage::Fill() {
  if (logic_) logic_->TabSheet5Show();
}

void PortStatisticsPage::Connected(const PortLayout&, int) {
  if (logic_) logic_->EnterIdle();
}

void PortStatisticsPage::Disconnected() {
  if (!logic_) return;
  logic_->StopTimer();
  logic_->ZeroFastEthernetCounts();
}

void PortStatisticsPage::Repaint() { repaint(); }

void PortStatisticsPage::SetRows(const std::vector<StatisticsRow>& rows) {
  FillReportList(list_, rows);
  for (int row = 0; row < list_->rowCount(); ++row)
    for (TrafficCounter c : kTrafficCounters)
      ShowAsCount(list_->item(row, static_cast<int>(CountCell(c) + 1)));
}

void PortStatisticsPage::SetCell(size_t row, size_t cell, const std::string& text) {
  QTableWidgetItem* item = list_->item(static_cast<int>(row), static_cast<int>(cell) + 1);
  if (!item) return;
  item->setText(QString::fromStdString(text));
  if (IsCountCell(cell)) ShowAsCount(item);
}

std::vector<size_t> PortStatisticsPage::SelectedRows() const { return SelectedReportRows(list_); }

void PortStatisticsPage::ShowCounting(bool counting) {
  start_->setEnabled(!counting);
  for (QPushButton* b : {stop_, pause_, clear_}) b->setEnabled(counting);
}

void PortStatisticsPage::SetPauseCaption(std::string_view caption) {
  pause_->setText(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void PortStatisticsPage::RunTimer(bool running) {
  if (running) {
    timer_->start();
  } else {
    timer_->stop();
  }
}

void PortStatisticsPage::EnableUnitMenus(bool enabled) {
  for (QMenu* sub : unitMenus_) sub->menuAction()->setEnabled(enabled);
}

void PortStatisticsPage::MarkUnits(
    const std::array<std::optional<CounterUnit>, kTrafficCounters.size()>& units) {
  for (const UnitItem& item : unitItems_)
    item.action->setChecked(units[static_cast<size_t>(item.counter)] == item.unit);
}

}  // namespace velkor
