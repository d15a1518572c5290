#include "pages/ports/port_settings_page.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "pages/message_text.h"
#include "pages/ports/port_descriptions.h"
#include "pages/ports/port_settings.h"
#include "pages/report_list.h"

namespace velkor {
namespace {

// The port caption, then one column per PortColumn; width 0 marks a column that is present but
// not shown.
constexpr int kWidths[1 + kPortColumnCount] = {40, 0, 100, 100, 150, 165, 0, 138};

QTableWidget* MakeList(QWidget* parent) {
  auto* list = MakeReportList(parent, 1 + kPortColumnCount, QStringLiteral("ListView7"),
                              QStringLiteral("单击右键进行端口设置"), QAbstractItemView::ExtendedSelection);
  list->viewport()->setCursor(Qt::PointingHandCursor);
  SetReportColumn(list, 0, QStringLiteral("端口"), kWidths[0]);
  for (size_t c = 0; c < kPortColumnCount; ++c)
    SetReportColumn(list, static_cast<int>(c + 1),
                    QString::fromUtf8(ColumnCaption(static_cast<PortColumn>(c))), kWidths[c + 1]);
  return list;
}

}  // namespace

PortSettingsPage::PortSettingsPage(QWidget* parent)
    : QWidget(parent),
      list_(MakeList(this)),
      menu_(new QMenu(this)),
      restart_(new QPushButton(QStringLiteral("重新协商"), this)),
      describe_(new QPushButton(QStringLiteral("更新端口描述"), this)) {
  menu_->setObjectName(QStringLiteral("PopupMenu2"));
  restart_->setObjectName(QStringLiteral("BRestartAutoNeg"));
  restart_->setToolTip(QStringLiteral("单击重新协商"));
  describe_->setObjectName(QStringLiteral("Button8"));
  BuildMenu();

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(describe_);
  buttons->addWidget(restart_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  layout->addLayout(buttons);

  connect(list_, &QWidget::customContextMenuRequested, this, &PortSettingsPage::ShowMenu);
  connect(menu_, &QMenu::aboutToShow, this, &PortSettingsPage::PreparePopupMenu);
  connect(restart_, &QPushButton::clicked, this, [this] {
    if (logic_) logic_->BRestartAutoNegClick();
  });
  connect(describe_, &QPushButton::clicked, this, [this] {
    if (descriptions_) descriptions_->Button8Click();
  });
}

void PortSettingsPage::Attach(PortSettings* logic, PortDescriptions* descriptions) {
  logic_ = logic;
  descriptions_ = descriptions;
}

QMenu* PortSettingsPage::AddSubMenu(const char* name, PortColumn column, bool visible) {
  QMenu* sub = menu_->addMenu(QString::fromUtf8(ColumnCaption(column)));
  sub->setObjectName(QString::fromUtf8(name));
  sub->menuAction()->setVisible(visible);
  entries_[static_cast<size_t>(column)] = sub->menuAction();
  return sub;
}

void PortSettingsPage::BuildMenu() {
  for (const PortSubMenu& entry : PortSubMenus()) {
    if (entry.column == PortColumn::kDescription) {
      QAction* n1 = menu_->addAction(QString::fromUtf8(ColumnCaption(entry.column)));
      n1->setObjectName(QString::fromUtf8(entry.name));
      n1->setVisible(entry.visible);
      entries_[static_cast<size_t>(entry.column)] = n1;
      connect(n1, &QAction::triggered, this, [this] {
        if (descriptions_) descriptions_->N1Click();
      });
      continue;
    }
    QMenu* sub = AddSubMenu(entry.name, entry.column, entry.visible);
    for (const PortSettingItem& item : PortSettingItems()) {
      if (item.column != entry.column) continue;
      QAction* action = sub->addAction(QString::fromUtf8(item.text));
      action->setObjectName(QString::fromUtf8(item.handler));
      action->setVisible(item.visible);
      connect(action, &QAction::triggered, this, [this, &item] {
        if (logic_) logic_->SettingClick(item);
      });
    }
    if (entry.column == PortColumn::kSpeed) {
      fullGigabit_ = sub->addAction(QString::fromUtf8(kFullGigabitItem.text));
      fullGigabit_->setObjectName(QString::fromUtf8(kFullGigabitItem.handler));
      connect(fullGigabit_, &QAction::triggered, this, [this] {
        if (logic_) logic_->AdvertisedSpeed1000MFullClick();
      });
    }
    if (entry.column == PortColumn::kTrunk) {
      QAction* off = sub->addAction(MessageText(MessageId::kDisabled));
      off->setObjectName(QStringLiteral("TrunkingDisabledClick"));
      connect(off, &QAction::triggered, this, [this] {
        if (logic_) logic_->TrunkingDisabledClick();
      });
      QAction* on = sub->addAction(MessageText(MessageId::kEnabled));
      on->setObjectName(QStringLiteral("TrunkingEnabledClick"));
      connect(on, &QAction::triggered, this, [this] {
        if (logic_) logic_->TrunkingEnabledClick();
      });
    }
  }
}

void PortSettingsPage::PreparePopupMenu() {
  if (!logic_) return;
  const PortMenuState state = logic_->PopupMenu2Popup();
  for (size_t c = 0; c < kPortColumnCount; ++c) entries_[c]->setEnabled(state.enabled[c]);
  if (state.fullGigabitVisible) fullGigabit_->setVisible(*state.fullGigabitVisible);
}

void PortSettingsPage::ShowMenu(const QPoint& position) {
  menu_->exec(list_->viewport()->mapToGlobal(position));
}

void PortSettingsPage::Fill() {
  if (logic_) logic_->PortConfigurationPageShow();
}

// Painted at once: the handlers block the event loop while they talk to the switch.
void PortSettingsPage::Repaint() { repaint(); }

void PortSettingsPage::SetRows(const std::vector<PortSettingsRow>& rows) {
  FillReportList(list_, rows);
  list_->repaint();
}

std::vector<size_t> PortSettingsPage::SelectedRows() const { return SelectedReportRows(list_); }

std::optional<size_t> PortSettingsPage::FocusedRow() const {
  const int row = list_->currentRow();
  return row >= 0 ? std::optional<size_t>(row) : std::nullopt;
}

}  // namespace velkor
