#include "pages/ports/port_status_page.h"

#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "pages/report_list.h"

namespace velkor {

namespace {

struct StatusListRow {
  std::string caption;
  std::vector<std::string> cells;
};

QColor ColourOf(StatusColour colour) {
  switch (colour) {
    case StatusColour::kRed:
      return QColor(255, 0, 0);
    case StatusColour::kGrey:
      return QColor(128, 128, 128);
    case StatusColour::kGreen:
      return QColor(0, 128, 0);
    case StatusColour::kBlack:
      break;
  }
  return QColor(0, 0, 0);
}

}  // namespace

PortStatusPage::PortStatusPage(QWidget* parent)
    : QWidget(parent),
      list_(MakeReportList(this, 5, QStringLiteral("ListView3"), QString(),
                           QAbstractItemView::SingleSelection)) {
  SetReportColumn(list_, 0, QStringLiteral("端口"), 40);
  const char* captions[] = {"连接状态", "速度/双工", "流量控制", "Trunk错误"};
  const int widths[] = {120, 150, 120, 120};
  for (int c = 0; c < 4; ++c)
    SetReportColumn(list_, c + 1, QString::fromUtf8(captions[c]), widths[c])
        ->setTextAlignment(Qt::AlignCenter);
  auto* refresh = new QPushButton(QStringLiteral("刷新"), this);
  refresh->setObjectName(QStringLiteral("Button4"));
  refresh->setToolTip(QStringLiteral("单击刷新端口状态"));
  refresh->setDefault(true);
  connect(refresh, &QPushButton::clicked, this, [this] { Fill(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addWidget(refresh, 0, Qt::AlignRight);
}

void PortStatusPage::Fill() {
  if (!logic_) return;
  // Painted before the exchange, which blocks the window.
  repaint();
  if (logic_->FillPortStatus() == Outcome::kSwitchLost) return;
  Show(logic_->Rows());
}

void PortStatusPage::Show(const std::vector<PortStatusRow>& rows) {
  std::vector<StatusListRow> list;
  for (const PortStatusRow& r : rows)
    list.push_back({r.caption, {StateText(r), SpeedText(r), PauseText(r), TrunkErrorText(r)}});
  FillReportList(list_, list);
  for (int row = 0; row < list_->rowCount(); ++row) {
    for (int column = 1; column < 5; ++column) {
      QTableWidgetItem* cell = list_->item(row, column);
      cell->setTextAlignment(Qt::AlignCenter);
      cell->setForeground(ColourOf(CellColour(column, cell->text().toStdString())));
    }
  }
}

}  // namespace velkor
