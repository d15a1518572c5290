#include "pages/report_list.h"

#include <QHeaderView>
#include <QLocale>
#include <algorithm>

namespace velkor {

QTableWidget* MakeReportList(QWidget* parent, int columns, const QString& name, const QString& toolTip,
                             QAbstractItemView::SelectionMode selection) {
  auto* list = new QTableWidget(0, columns, parent);
  list->setObjectName(name);
  list->setToolTip(toolTip);
  list->setShowGrid(true);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(selection);
  list->setEditTriggers(QAbstractItemView::NoEditTriggers);
  list->setSortingEnabled(false);
  list->setWordWrap(false);
  list->verticalHeader()->hide();
  // Rows as high as their text, as a report list has them, rather than the style's roomy default.
  list->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  list->setContextMenuPolicy(Qt::CustomContextMenu);

  QHeaderView* header = list->horizontalHeader();
  header->setSectionsClickable(false);
  header->setSectionsMovable(false);
  header->setStretchLastSection(false);
  header->setSectionResizeMode(QHeaderView::Fixed);
  return list;
}

QTableWidgetItem* SetReportColumn(QTableWidget* list, int column, const QString& caption, int width) {
  auto* item = new QTableWidgetItem(caption);
  list->setHorizontalHeaderItem(column, item);
  if (width > 0) {
    list->horizontalHeader()->resizeSection(column, width);
  } else {
    list->setColumnHidden(column, true);
  }
  return item;
}

QTableWidgetItem* MakeReportCell(const std::string& text) {
  return new QTableWidgetItem(QString::fromStdString(text));
}

void ShowAsCount(QTableWidgetItem* item) {
  if (!item) return;
  bool number = false;
  const qulonglong count = item->text().toULongLong(&number);
  if (number) item->setText(QLocale(QLocale::Chinese, QLocale::China).toString(count));
  item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

std::vector<size_t> SelectedReportRows(const QTableWidget* list) {
  std::vector<size_t> rows;
  for (const QModelIndex& index : list->selectionModel()->selectedRows())
    rows.push_back(static_cast<size_t>(index.row()));
  std::sort(rows.begin(), rows.end());
  return rows;
}

}  // namespace velkor
