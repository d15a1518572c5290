#include "app/switch_list_page.h"

#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/default_button.h"
#include "device/message_table.h"
#include "pages/report_list.h"

namespace velkor {
namespace {

struct Column {
  const char* caption;
  int width;
  Qt::Alignment alignment;
};

constexpr Column kColumns[] = {
    {"交换机型号", 150, Qt::AlignLeft | Qt::AlignVCenter},
    {"MAC地址", 193, Qt::AlignCenter},
    {"交换机描述", 350, Qt::AlignCenter},
};

const QColor kKnownModel(0, 128, 0);
const QColor kUnknownModel(255, 0, 0);

QTableWidget* MakeList(QWidget* parent) {
  auto* list = MakeReportList(parent, std::size(kColumns), QStringLiteral("ListView1"),
                              QStringLiteral("请双击条目或使用右键菜单连接交换机"),
                              QAbstractItemView::SingleSelection);
  for (int c = 0; c < static_cast<int>(std::size(kColumns)); ++c)
    SetReportColumn(list, c, QString::fromUtf8(kColumns[c].caption), kColumns[c].width)
        ->setTextAlignment(kColumns[c].alignment);
  return list;
}

QTableWidgetItem* MakeCell(int column, const std::string& text, const QColor& colour) {
  QTableWidgetItem* item = MakeReportCell(text);
  item->setTextAlignment(kColumns[column].alignment);
  item->setForeground(colour);
  return item;
}

}  // namespace

SwitchListPage::SwitchListPage(const SwitchListHandlers& handlers, QWidget* parent)
    : QWidget(parent),
      handlers_(handlers),
      list_(MakeList(this)),
      refresh_(new QPushButton(QStringLiteral("刷新"), this)),
      menu_(new QMenu(this)),
      connect_(menu_->addAction(QStringLiteral("连接交换机"))) {
  refresh_->setObjectName(QStringLiteral("Button_RefreshSwitch"));
  refresh_->setToolTip(QStringLiteral("单击刷新交换机信息"));
  refresh_->setEnabled(false);
  MakeDefaultButton(refresh_, this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("交换机基本信息"), this));
  layout->addWidget(list_);
  layout->addWidget(refresh_, 0, Qt::AlignRight);

  connect(refresh_, &QPushButton::clicked, this, [this] {
    if (handlers_.refreshClicked) handlers_.refreshClicked();
  });
  // Only a double-click on a row counts: one on empty space must not connect the selected row.
  connect(list_, &QTableWidget::cellDoubleClicked, this, [this](int row) {
    if (handlers_.rowDoubleClicked) handlers_.rowDoubleClicked(row);
  });
  connect(list_, &QWidget::customContextMenuRequested, this, &SwitchListPage::ShowContextMenu);
  connect(connect_, &QAction::triggered, this, [this] {
    if (handlers_.connectChosen) handlers_.connectChosen(SelectedRow());
  });
}

void SwitchListPage::Clear() { list_->setRowCount(0); }

void SwitchListPage::SetRows(const std::vector<SwitchRow>& rows) {
  const std::string_view unknown = Message(MessageId::kUnknown);
  list_->setRowCount(0);
  list_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const SwitchRow& row = rows[r];
    list_->setItem(r, 0, MakeCell(0, row.modelName, row.modelName == unknown ? kUnknownModel : kKnownModel));
    list_->setItem(r, 1, MakeCell(1, row.macText, Qt::black));
    list_->setItem(r, 2, MakeCell(2, row.description, Qt::black));
    for (int c = 0; c < list_->columnCount(); ++c)
      list_->item(r, c)->setToolTip(QString::fromStdString(row.upstream));
  }
  list_->clearSelection();
  list_->setCurrentItem(nullptr);
}

void SwitchListPage::EnableRefresh(bool enabled) { refresh_->setEnabled(enabled); }

int SwitchListPage::SelectedRow() const {
  const QModelIndexList rows = list_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void SwitchListPage::ShowContextMenu(const QPoint& position) {
  connect_->setEnabled(handlers_.connectEnabled && handlers_.connectEnabled(SelectedRow()));
  menu_->exec(list_->viewport()->mapToGlobal(position));
}

}  // namespace velkor
