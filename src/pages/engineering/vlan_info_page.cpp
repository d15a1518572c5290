#include "pages/engineering/vlan_info_page.h"

#include <QFontDatabase>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QTableWidget>
#include <QVBoxLayout>

#include "pages/report_list.h"

namespace velkor {

namespace {

struct InfoRow {
  std::string caption;
  std::vector<std::string> cells;
};

// A value the switch did not give shows as unknown, never as 0.
std::string Text(const std::optional<int>& value) { return value ? std::to_string(*value) : "?"; }

QTableWidget* ListIn(QGroupBox* group, int columns, const QString& name) {
  auto* list = MakeReportList(group, columns, name, {}, QAbstractItemView::SingleSelection);
  (new QVBoxLayout(group))->addWidget(list);
  return list;
}

void AlignRight(QTableWidget* list, int column) {
  for (int r = 0; r < list->rowCount(); ++r)
    list->item(r, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

VlanInfoPage::VlanInfoPage(QWidget* parent) : QWidget(parent) {
  auto* mapping = new QGroupBox(QStringLiteral("Port->VLAN Mapping"), this);
  auto* table = new QGroupBox(QStringLiteral("VLAN Table"), this);
  ports_ = ListIn(mapping, 2, QStringLiteral("PortVlanList"));
  entries_ = ListIn(table, 3, QStringLiteral("VlanTableList"));
  SetReportColumn(ports_, 0, QStringLiteral("Port"), 40);
  SetReportColumn(ports_, 1, QStringLiteral("VLAN"), 40);
  SetReportColumn(entries_, 0, QStringLiteral("No."), 32);
  SetReportColumn(entries_, 1, QStringLiteral("VID"), 40);
  SetReportColumn(entries_, 2, QStringLiteral("Member Ports"), 460);
  // The mapping is two short columns; the member lists take the rest of the page.
  mapping->setFixedWidth(140);
  // The member list keeps each port in its column only in a font of fixed width.
  entries_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(mapping);
  layout->addWidget(table, 1);
}

void VlanInfoPage::Fill() {
  if (!logic_) return;
  logic_->TabSheet4Show();
  std::vector<InfoRow> ports, entries;
  for (const PortVlanIndexRow& p : logic_->Ports()) ports.push_back({p.port, {Text(p.vlan)}});
  for (const VlanTableRow& e : logic_->Entries())
    entries.push_back({std::to_string(e.entry), {Text(e.vid), e.members.value_or("?")}});
  FillReportList(ports_, ports);
  FillReportList(entries_, entries);
  AlignRight(ports_, 1);
  AlignRight(entries_, 1);
  // Every port keeps its column: the list scrolls sideways rather than cut a member list short.
  entries_->resizeColumnToContents(2);
}

}  // namespace velkor
