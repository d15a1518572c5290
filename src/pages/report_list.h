#pragma once

#include <QAbstractItemView>
#include <QString>
#include <QTableWidget>
#include <string>
#include <vector>

namespace velkor {

// A read-only list of whole-row reports: no editing, sorting, wrapping or row numbers, fixed
// column widths unless the page frees one, and a context menu the page opens itself.
QTableWidget* MakeReportList(QWidget* parent, int columns, const QString& name, const QString& toolTip,
                             QAbstractItemView::SelectionMode selection);

// Captions the column and sets its width; width 0 keeps the column but hides it.
QTableWidgetItem* SetReportColumn(QTableWidget* list, int column, const QString& caption, int width);

QTableWidgetItem* MakeReportCell(const std::string& text);

// Turns a cell holding a decimal count into a counter cell: right-aligned, digits grouped in
// threes. Any other text (a value the switch did not give) stays as it is.
void ShowAsCount(QTableWidgetItem* item);

// The selected rows, top to bottom.
std::vector<size_t> SelectedReportRows(const QTableWidget* list);

// Replaces the rows with one per entry: its caption in the first column, its cells after it.
// Drawn once when all are in, not row by row.
template <class Row>
void FillReportList(QTableWidget* list, const std::vector<Row>& rows) {
  list->setUpdatesEnabled(false);
  list->setRowCount(0);
  list->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    list->setItem(r, 0, MakeReportCell(rows[r].caption));
    for (size_t c = 0; c < rows[r].cells.size(); ++c)
      list->setItem(r, static_cast<int>(c + 1), MakeReportCell(rows[r].cells[c]));
  }
  list->setUpdatesEnabled(true);
}

}  // namespace velkor
