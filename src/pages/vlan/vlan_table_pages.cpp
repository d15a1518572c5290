#include "pages/vlan/vlan_table_pages.h"

#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <functional>

#include "pages/report_list.h"
#include "pages/vlan/vlan_dialogs.h"

namespace velkor {

namespace {

struct ListRow {
  std::string caption;
  std::vector<std::string> cells;
};

// Opens menu at a right click on list, after prepare has set its items.
void UseMenu(QWidget* page, QTableWidget* list, QMenu* menu, const std::function<void()>& prepare) {
  list->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(list, &QWidget::customContextMenuRequested, page, [=](const QPoint& at) {
    prepare();
    menu->exec(list->viewport()->mapToGlobal(at));
  });
}

void CentreColumn(QTableWidget* list, int column) {
  for (int r = 0; r < list->rowCount(); ++r)
    if (QTableWidgetItem* item = list->item(r, column)) item->setTextAlignment(Qt::AlignCenter);
}

}  // namespace

PortVlanTablePage::PortVlanTablePage(QWidget* parent)
    : QWidget(parent),
      list_(MakeReportList(this, 2, QStringLiteral("PortVlanList"), QStringLiteral("单击右键设置VLAN"),
                           QAbstractItemView::SingleSelection)),
      menu_(new QMenu(this)) {
  SetReportColumn(list_, 0, QStringLiteral("端口"), 54);
  SetReportColumn(list_, 1, QStringLiteral("允许与本端口相互通信的端口"), 630);
  items_[0] = menu_->addAction(QStringLiteral("编辑端口"), this, &PortVlanTablePage::EditPortClick);
  items_[1] = menu_->addAction(QStringLiteral("添加VLAN组"), this, &PortVlanTablePage::AddGroupClick);
  items_[2] = menu_->addAction(QStringLiteral("删除整个VLAN列表"), this, &PortVlanTablePage::ClearTableClick);
  UseMenu(this, list_, menu_, [this] { PrepareMenu(); });
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("VLAN列表"), this));
  layout->addWidget(list_);
}

void PortVlanTablePage::Attach(PortVlan* logic, Prompter* prompter) {
  logic_ = logic;
  prompter_ = prompter;
}

void PortVlanTablePage::Fill() {
  if (!logic_) return;
  logic_->Fill();
  ShowRows();
}

void PortVlanTablePage::ShowRows() {
  std::vector<ListRow> rows;
  if (logic_)
    for (const PortVlanRow& row : logic_->Rows()) rows.push_back({row.caption, {row.peers}});
  FillReportList(list_, rows);
}

void PortVlanTablePage::PrepareMenu() {
  const PortVlanMenu menu = logic_ ? logic_->MenuPopup(!SelectedReportRows(list_).empty()) : PortVlanMenu{};
  items_[0]->setEnabled(menu.edit);
  items_[1]->setEnabled(menu.add);
  items_[2]->setEnabled(menu.clear);
}

void PortVlanTablePage::EditPortClick() {
  const std::vector<size_t> selected = SelectedReportRows(list_);
  if (!logic_ || selected.empty()) return;
  Outcome outcome;
  auto dialog = logic_->EditPortDialog(selected.front(), outcome);
  if (!dialog) return;
  TVlanDlg window(this);
  const std::string caption = list_->item(static_cast<int>(selected.front()), 0)->text().toStdString();
  if (window.Run(&*dialog, caption, prompter_)) logic_->ApplyEditPort(*dialog);
  ShowRows();
}

void PortVlanTablePage::AddGroupClick() {
  if (!logic_) return;
  Outcome outcome;
  auto dialog = logic_->AddGroupDialog(outcome);
  if (!dialog) return;
  TVlanDlg window(this);
  if (window.Run(&*dialog, "", prompter_)) logic_->ApplyAddGroup(*dialog);
  ShowRows();
}

void PortVlanTablePage::ClearTableClick() {
  if (!logic_) return;
  logic_->ClearTable();
  ShowRows();
}

Dot1qGroupsPage::Dot1qGroupsPage(QWidget* parent)
    : QWidget(parent),
      groups_(MakeReportList(this, 3, QStringLiteral("GroupList"), QStringLiteral("单击右键设置VLAN"),
                             QAbstractItemView::SingleSelection)),
      mappingLabel_(new QLabel(QStringLiteral("端口VLAN映射"), this)),
      mapping_(MakeReportList(this, 2, QStringLiteral("MappingList"),
                              QStringLiteral("双击左键或单击右键设置端口VLAN映射"),
                              QAbstractItemView::SingleSelection)),
      groupMenu_(new QMenu(this)) {
  SetReportColumn(groups_, 0, QStringLiteral("VLAN组"), 53);
  SetReportColumn(groups_, 1, QStringLiteral("VLAN ID"), 61);
  SetReportColumn(groups_, 2, QStringLiteral("端口"), 560);
  SetReportColumn(mapping_, 0, QStringLiteral("端口"), 40);
  SetReportColumn(mapping_, 1, QStringLiteral("VLAN组"), 105);
  edit_ = groupMenu_->addAction(QStringLiteral("编辑"), this, &Dot1qGroupsPage::EditGroupClick);
  clear_ = groupMenu_->addAction(QStringLiteral("清空"), this, &Dot1qGroupsPage::ClearGroupClick);
  UseMenu(this, groups_, groupMenu_, [this] { PrepareGroupMenu(); });
  auto* mappingMenu = new QMenu(this);
  mappingMenu->addAction(QStringLiteral("选择VLAN组"), this, &Dot1qGroupsPage::ChooseGroupClick);
  UseMenu(this, mapping_, mappingMenu, [] {});
  connect(mapping_, &QTableWidget::cellDoubleClicked, this, &Dot1qGroupsPage::ChooseGroupClick);

  // The group list gets the page's width so that a group's ports show whole; the mapping list, two
  // short columns, sits below it at its own width.
  mapping_->setFixedWidth(40 + 105 + mapping_->verticalScrollBar()->sizeHint().width() +
                          2 * mapping_->frameWidth());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("VLAN列表"), this));
  layout->addWidget(groups_, 3);
  layout->addWidget(mappingLabel_);
  layout->addWidget(mapping_, 2, Qt::AlignLeft);
}

void Dot1qGroupsPage::Attach(Dot1qVlan* logic, Prompter* prompter) {
  logic_ = logic;
  prompter_ = prompter;
}

void Dot1qGroupsPage::Fill() {
  if (!logic_) return;
  logic_->Fill();
  ShowRows();
}

void Dot1qGroupsPage::SetMappingVisible(bool visible) {
  mappingLabel_->setVisible(visible);
  mapping_->setVisible(visible);
}

void Dot1qGroupsPage::ShowRows() {
  std::vector<ListRow> groups;
  std::vector<ListRow> mapping;
  if (logic_) {
    for (const Dot1qGroupRow& g : logic_->Groups()) groups.push_back({g.number, {g.vidText, g.ports}});
    for (const Dot1qMapRow& m : logic_->Mapping()) mapping.push_back({m.caption, {m.group}});
  }
  FillReportList(groups_, groups);
  FillReportList(mapping_, mapping);
  CentreColumn(groups_, 1);
  CentreColumn(mapping_, 1);
}

std::optional<size_t> Dot1qGroupsPage::SelectedRow(const QTableWidget* list) const {
  const std::vector<size_t> selected = SelectedReportRows(list);
  return selected.empty() ? std::nullopt : std::optional(selected.front());
}

void Dot1qGroupsPage::PrepareGroupMenu() {
  const Dot1qGroupMenu menu = logic_ ? logic_->MenuPopup(SelectedRow(groups_)) : Dot1qGroupMenu{};
  edit_->setEnabled(menu.edit);
  clear_->setEnabled(menu.clear);
}

void Dot1qGroupsPage::EditGroupClick() {
  const auto row = SelectedRow(groups_);
  if (!logic_ || !row) return;
  Outcome outcome;
  auto dialog = logic_->EditGroupDialog(*row, outcome);
  if (!dialog) return;
  TVlan2Dlg window(this);
  if (window.Run(&*dialog, prompter_)) logic_->ApplyEditGroup(*row, *dialog);
  ShowRows();
}

void Dot1qGroupsPage::ClearGroupClick() {
  const auto row = SelectedRow(groups_);
  if (!logic_ || !row) return;
  logic_->ClearGroup(*row);
  ShowRows();
}

void Dot1qGroupsPage::ChooseGroupClick() {
  const auto row = SelectedRow(mapping_);
  if (!logic_ || !row) return;
  Outcome outcome;
  auto chooser = logic_->MapDialog(*row, outcome);
  if (!chooser) return;
  TVlanSelectionDlg window(this);
  const auto entry = window.Run(*chooser);
  if (!entry) return;
  for (size_t i = 0; i < chooser->entries.size(); ++i)
    if (chooser->entries[i] == *entry) chooser->selected = i;
  logic_->ApplyMap(*row, *chooser);
  ShowRows();
}

}  // namespace velkor
