#include "pages/vlan/vlan_mode_page.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "device/message_table.h"
#include "pages/report_list.h"

namespace velkor {

namespace {

constexpr VlanMode kModes[] = {VlanMode::kDisabled, VlanMode::kPortBased, VlanMode::kDot1q};
constexpr TagRule kRules[] = {TagRule::kKeep, TagRule::kRemove, TagRule::kInsert};

QString Text(MessageId id) {
  return QString::fromUtf8(Message(id).data(), static_cast<int>(Message(id).size()));
}

// The checked option of a radio group is drawn bold, its siblings regular.
void MarkChecked(QRadioButton* button, bool checked) {
  QFont font = button->font();
  font.setBold(checked);
  button->setFont(font);
  button->setChecked(checked);
}

struct TagListRow {
  std::string caption;
  std::vector<std::string> cells;
};

}  // namespace

VlanModePage::VlanModePage(QWidget* parent)
    : QWidget(parent),
      drop_(new QCheckBox(QStringLiteral("过滤无VLAN Tag的帧"), this)),
      vidGroup_(new QGroupBox(QStringLiteral("管理VID"), this)),
      vid_(new QLineEdit(vidGroup_)),
      tags_(MakeReportList(this, 2, QStringLiteral("TagList"),
                           QStringLiteral("单击右键设置输出端口VLAN Tag控制"),
                           QAbstractItemView::ExtendedSelection)),
      menu_(new QMenu(this)) {
  auto* modeGroup = new QGroupBox(QStringLiteral("VLAN功能"), this);
  auto* modeLayout = new QVBoxLayout(modeGroup);
  const QString captions[] = {Text(MessageId::kDisabled), QStringLiteral("基于端口的VLAN"),
                              QStringLiteral("802.1Q VLAN")};
  for (size_t i = 0; i < modes_.size(); ++i) {
    modes_[i] = new QRadioButton(captions[i], modeGroup);
    modes_[i]->setObjectName(QStringLiteral("Mode%1").arg(i));
    connect(modes_[i], &QRadioButton::clicked, this, [this, i] { ModeClick(kModes[i]); });
    modeLayout->addWidget(modes_[i]);
  }
  drop_->setObjectName(QStringLiteral("DropUntagged"));
  connect(drop_, &QCheckBox::clicked, this, &VlanModePage::DropUntaggedClick);
  modeLayout->addWidget(drop_);

  auto* vidLayout = new QHBoxLayout(vidGroup_);
  vidLayout->addWidget(new QLabel(QStringLiteral("VLAN ID:"), vidGroup_));
  vid_->setObjectName(QStringLiteral("VidEdit"));
  vidLayout->addWidget(vid_);
  auto* vidOk = new QPushButton(QStringLiteral("确定"), vidGroup_);
  connect(vidOk, &QPushButton::clicked, this, &VlanModePage::ManagementVidClick);
  vidLayout->addWidget(vidOk);
  vidGroup_->setVisible(false);

  const QString leakyTitles[] = {QStringLiteral("单播帧穿透VLAN"), QStringLiteral("ARP帧穿透VLAN")};
  for (size_t g = 0; g < leakyGroups_.size(); ++g) {
    leakyGroups_[g] = new QGroupBox(leakyTitles[g], this);
    auto* layout = new QHBoxLayout(leakyGroups_[g]);
    const auto option = g == 0 ? LeakyOption::kUnicast : LeakyOption::kArp;
    for (size_t b = 0; b < 2; ++b) {
      leaky_[g][b] = new QRadioButton(Text(b ? MessageId::kEnabled : MessageId::kDisabled), leakyGroups_[g]);
      connect(leaky_[g][b], &QRadioButton::clicked, this, [this, option, b] { LeakyClick(option, b == 1); });
      layout->addWidget(leaky_[g][b]);
    }
  }

  SetReportColumn(tags_, 0, QStringLiteral("端口"), 54);
  SetReportColumn(tags_, 1, QStringLiteral("VLAN Tag控制"), 160);
  const MessageId ruleTexts[] = {MessageId::kLeaveFrameUnchanged, MessageId::kRemoveVlanTag,
                                 MessageId::kInsertVlanTag};
  for (size_t i = 0; i < rules_.size(); ++i) {
    rules_[i] = menu_->addAction(Text(ruleTexts[i]));
    connect(rules_[i], &QAction::triggered, this, [this, i] { TagRuleClick(kRules[i]); });
  }
  tags_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(tags_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    PrepareTagMenu();
    menu_->exec(tags_->viewport()->mapToGlobal(at));
  });

  // The options stack on the left, the tag list with its two labels fills the right.
  auto* options = new QVBoxLayout;
  options->addWidget(modeGroup);
  options->addWidget(vidGroup_);
  options->addWidget(leakyGroups_[0]);
  options->addWidget(leakyGroups_[1]);
  options->addStretch();
  auto* tagColumn = new QVBoxLayout;
  tagColumn->addWidget(new QLabel(QStringLiteral("输出端口VLAN Tag控制"), this));
  tagColumn->addWidget(new QLabel(QStringLiteral("（启用802.1Q VLAN后才能设置）"), this));
  tagColumn->addWidget(tags_, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(options, 1);
  layout->addLayout(tagColumn, 1);
}

void VlanModePage::Attach(VlanSettings* logic, VlanTables* tables,
                          std::function<void(const VlanPageState&)> modeShown) {
  logic_ = logic;
  tables_ = tables;
  modeShown_ = std::move(modeShown);
}

void VlanModePage::Connected(const PortLayout& layout, int modelCode) {
  if (tables_) tables_->Reset(modelCode, layout);
  if (!logic_) return;
  logic_->Connected();
  // Nothing of the last switch stays on show: no mode checked and no table page until this
  // switch's own mode is read, which it may not hold in a form the page knows.
  ClearModes();
  if (modeShown_) modeShown_(logic_->State());
  Fill();
}

// Unknown, not "禁止": no mode is shown as checked.
void VlanModePage::ClearModes() {
  for (QRadioButton* mode : modes_) {
    mode->setAutoExclusive(false);
    MarkChecked(mode, false);
    mode->setAutoExclusive(true);
  }
}

void VlanModePage::Fill() {
  if (!logic_) return;
  logic_->Fill();
  Show(logic_->State());
}

void VlanModePage::Show(const VlanPageState& state) {
  if (state.mode != VlanMode::kUndefined) {
    for (size_t i = 0; i < modes_.size(); ++i) MarkChecked(modes_[i], kModes[i] == state.mode);
    if (modeShown_) modeShown_(state);
  } else if (!state.modeRead) {
    ClearModes();
  }
  drop_->setChecked(state.dropUntagged);
  drop_->setEnabled(state.dropEnabled);
  const bool leaky[] = {state.unicastLeaky, state.arpLeaky};
  for (size_t g = 0; g < leakyGroups_.size(); ++g) {
    leakyGroups_[g]->setVisible(state.leakyShown);
    leakyGroups_[g]->setEnabled(state.leakyEnabled);
    MarkChecked(leaky_[g][1], leaky[g]);
    MarkChecked(leaky_[g][0], !leaky[g]);
  }
  vidGroup_->setVisible(state.managementVid.has_value());
  if (state.managementVid) vid_->setText(QString::number(*state.managementVid));
  rules_[2]->setVisible(state.insertShown);
  tags_->setEnabled(state.tagListEnabled);
  std::vector<TagListRow> rows;
  for (const TagRow& row : state.tagRows) rows.push_back({row.caption, {row.rule}});
  FillReportList(tags_, rows);
}

void VlanModePage::AfterChange() {
  if (logic_) Show(logic_->State());
}

void VlanModePage::ModeClick(VlanMode mode) {
  if (!logic_) return;
  logic_->ApplyVlanMode(mode);
  // A refused or unconfirmed change puts the current mode's button back.
  for (size_t i = 0; i < modes_.size(); ++i)
    if (logic_->Mode() != VlanMode::kUndefined) MarkChecked(modes_[i], kModes[i] == logic_->Mode());
  AfterChange();
}

void VlanModePage::DropUntaggedClick() {
  if (!logic_) return;
  logic_->SetDropUntagged(drop_->isChecked());
  AfterChange();
}

void VlanModePage::LeakyClick(LeakyOption option, bool enabled) {
  if (!logic_) return;
  logic_->SetLeaky(option, enabled);
  AfterChange();
}

void VlanModePage::PrepareTagMenu() {
  const TagMenuState state =
      logic_ ? logic_->TagMenuPopup(!SelectedReportRows(tags_).empty()) : TagMenuState{};
  rules_[0]->setEnabled(state.keep);
  rules_[1]->setEnabled(state.remove);
  rules_[2]->setEnabled(state.insert);
}

void VlanModePage::TagRuleClick(TagRule rule) {
  if (!logic_) return;
  logic_->SetTagRules(SelectedReportRows(tags_), rule);
  AfterChange();
}

void VlanModePage::ManagementVidClick() {
  if (!logic_) return;
  logic_->SetManagementVid(vid_->text().toStdString());
  if (logic_->State().managementVid) vid_->setText(QString::number(*logic_->State().managementVid));
}

}  // namespace velkor
