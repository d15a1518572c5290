#include "pages/switch/mirroring_page.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QTableWidget>

#include "device/message_table.h"
#include "pages/message_text.h"
#include "pages/report_list.h"

namespace velkor {

namespace {

struct MirrorListRow {
  std::string caption;
  std::vector<std::string> cells;
};

std::string RoleText(const std::optional<bool>& on) {
  if (!on) return std::string(Message(MessageId::kUnknown));
  return std::string(Message(*on ? MessageId::kEnabled : MessageId::kDisabled));
}

// "禁止" and "启用" for role; each item enabled only while a row of list is selected.
void AddRoleItems(QMenu* menu, QTableWidget* list, MirroringPage* page, MirrorRole role) {
  for (bool on : {false, true}) {
    QAction* item = menu->addAction(MessageText(on ? MessageId::kEnabled : MessageId::kDisabled));
    QObject::connect(item, &QAction::triggered, page, [page, role, on] { page->RoleClick(role, on); });
    QObject::connect(menu, &QMenu::aboutToShow, item,
                     [item, list] { item->setEnabled(!SelectedReportRows(list).empty()); });
  }
}

void OpenMenuOnRightClick(QTableWidget* list, QMenu* menu) {
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(list, &QWidget::customContextMenuRequested, menu,
                   [list, menu](const QPoint& at) { menu->exec(list->viewport()->mapToGlobal(at)); });
}

}  // namespace

MirroringPage::MirroringPage(QWidget* parent)
    : QWidget(parent),
      mirrors_(MakeReportList(this, 2, QStringLiteral("MirrorPortList"),
                              QStringLiteral("单击右键设置镜像端口"), QAbstractItemView::SingleSelection)),
      mirrored_(MakeReportList(this, 3, QStringLiteral("MirroredPortList"),
                               QStringLiteral("单击右键设置被镜像端口"), QAbstractItemView::SingleSelection)),
      mirrorMenu_(new QMenu(this)),
      mirroredMenu_(new QMenu(this)) {
  SetReportColumn(mirrors_, 0, QStringLiteral("端口"), 54);
  SetReportColumn(mirrors_, 1, QStringLiteral("镜像"), 80);
  SetReportColumn(mirrored_, 0, QStringLiteral("端口"), 54);
  SetReportColumn(mirrored_, 1, QStringLiteral("接收镜像"), 80);
  SetReportColumn(mirrored_, 2, QStringLiteral("发送镜像"), 80);
  AddRoleItems(mirrorMenu_, mirrors_, this, MirrorRole::kMirror);
  AddRoleItems(mirroredMenu_->addMenu(QStringLiteral("接收镜像")), mirrored_, this, MirrorRole::kReceive);
  AddRoleItems(mirroredMenu_->addMenu(QStringLiteral("发送镜像")), mirrored_, this, MirrorRole::kTransmit);
  OpenMenuOnRightClick(mirrors_, mirrorMenu_);
  OpenMenuOnRightClick(mirrored_, mirroredMenu_);

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(mirrors_);
  layout->addWidget(mirrored_);
}

QTableWidget* MirroringPage::ListOf(MirrorRole role) const {
  return role == MirrorRole::kMirror ? mirrors_ : mirrored_;
}

void MirroringPage::Fill() {
  if (!logic_) return;
  logic_->Fill();
  Show(logic_->Rows());
}

void MirroringPage::Show(const std::vector<MirrorRow>& rows) {
  std::vector<MirrorListRow> left, right;
  for (const MirrorRow& row : rows) {
    left.push_back({row.caption, {RoleText(row.mirror)}});
    right.push_back({row.caption, {RoleText(row.receive), RoleText(row.transmit)}});
  }
  FillReportList(mirrors_, left);
  FillReportList(mirrored_, right);
}

void MirroringPage::RoleClick(MirrorRole role, bool on) {
  const std::vector<size_t> rows = SelectedReportRows(ListOf(role));
  if (!logic_ || rows.empty()) return;
  if (on)
    logic_->Enable(role, rows.front());
  else
    logic_->Disable(role, rows);
  Show(logic_->Rows());
}

}  // namespace velkor
