#include "pages/switch/qos_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "device/message_table.h"
#include "pages/message_text.h"
#include "pages/report_list.h"
#include "pages/switch/radio_marks.h"

namespace velkor {

namespace {

// In the order of the group's buttons; DiffServ is there but not shown.
constexpr PrioritySource kSources[] = {PrioritySource::kPort, PrioritySource::kDiffServ,
                                       PrioritySource::kDot1p};
constexpr QosRatio kRatios[] = {QosRatio::k4To1, QosRatio::k8To1, QosRatio::k16To1, QosRatio::kStrict};

struct PriorityRow {
  std::string caption;
  std::vector<std::string> cells;
};

std::string PriorityText(const std::optional<bool>& high) {
  if (!high) return std::string(Message(MessageId::kUnknown));
  return std::string(Message(*high ? MessageId::kHighPriority : MessageId::kLowPriority));
}

}  // namespace

QosPage::QosPage(QWidget* parent)
    : QWidget(parent),
      ports_(MakeReportList(this, 2, QStringLiteral("QosPortList"), QStringLiteral("单击右键设置端口优先级"),
                            QAbstractItemView::ExtendedSelection)),
      menu_(new QMenu(this)) {
  auto* sourceGroup = new QGroupBox(QStringLiteral("优先级设置"), this);
  auto* sourceLayout = new QVBoxLayout(sourceGroup);
  const QString sourceCaptions[] = {QStringLiteral("启用基于端口的优先级"),
                                    QStringLiteral("启用基于DiffServ的优先级"),
                                    QStringLiteral("启用基于802.1p的优先级")};
  const QString sourceNames[] = {QStringLiteral("PrioPort"), QStringLiteral("PrioDS"),
                                 QStringLiteral("PrioIEEE")};
  for (size_t i = 0; i < sources_.size(); ++i) {
    sources_[i] = new QRadioButton(sourceCaptions[i], sourceGroup);
    sources_[i]->setObjectName(sourceNames[i]);
    connect(sources_[i], &QRadioButton::clicked, this, [this, i] { SourceClick(kSources[i]); });
    sourceLayout->addWidget(sources_[i]);
  }
  sources_[1]->setVisible(false);

  auto* ratioGroup = new QGroupBox(QStringLiteral("高/低优先级比例"), this);
  auto* ratioLayout = new QVBoxLayout(ratioGroup);
  const QString ratioCaptions[] = {QStringLiteral("4:1"), QStringLiteral("8:1"), QStringLiteral("16:1"),
                                   QStringLiteral("高优先级始终优先")};
  for (size_t i = 0; i < ratios_.size(); ++i) {
    ratios_[i] = new QRadioButton(ratioCaptions[i], ratioGroup);
    ratios_[i]->setObjectName(QStringLiteral("RadioButton%1").arg(17 + i));
    connect(ratios_[i], &QRadioButton::clicked, this, [this, i] { RatioClick(kRatios[i]); });
    ratioLayout->addWidget(ratios_[i]);
  }

  SetReportColumn(ports_, 0, QStringLiteral("端口"), 54);
  SetReportColumn(ports_, 1, QStringLiteral("优先级"), 100);
  priorities_[0] = menu_->addAction(MessageText(MessageId::kLowPriority));
  priorities_[1] = menu_->addAction(MessageText(MessageId::kHighPriority));
  for (size_t i = 0; i < priorities_.size(); ++i)
    connect(priorities_[i], &QAction::triggered, this, [this, i] { PriorityClick(i == 1); });
  ports_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ports_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    PreparePriorityMenu();
    menu_->exec(ports_->viewport()->mapToGlobal(at));
  });

  auto* left = new QVBoxLayout;
  left->addWidget(sourceGroup);
  left->addWidget(ratioGroup);
  left->addStretch(1);
  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel(QStringLiteral("端口优先级"), this));
  right->addWidget(new QLabel(QStringLiteral("（启用基于端口的优先级后才能设置）"), this));
  right->addWidget(ports_, 1);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(right, 1);
}

void QosPage::Fill() {
  if (!logic_) return;
  logic_->Fill();
  Show(logic_->State());
}

void QosPage::Show(const QosState& state) {
  for (size_t i = 0; i < sources_.size(); ++i)
    MarkRadio(sources_[i], state.source && *state.source == kSources[i]);
  for (size_t i = 0; i < ratios_.size(); ++i)
    MarkRadio(ratios_[i], state.ratio && *state.ratio == kRatios[i]);
  ports_->setEnabled(state.listEnabled);
  std::vector<PriorityRow> rows;
  for (const PortBitRow& row : state.rows) rows.push_back({row.caption, {PriorityText(row.set)}});
  FillReportList(ports_, rows);
}

void QosPage::AfterChange() {
  if (logic_) Show(logic_->State());
}

void QosPage::SourceClick(PrioritySource source) {
  if (!logic_) return;
  logic_->SetSource(source);
  AfterChange();
}

void QosPage::RatioClick(QosRatio ratio) {
  if (!logic_) return;
  logic_->SetRatio(ratio);
  AfterChange();
}

void QosPage::PreparePriorityMenu() {
  const bool selected = !SelectedReportRows(ports_).empty();
  for (QAction* item : priorities_) item->setEnabled(selected);
}

void QosPage::PriorityClick(bool high) {
  if (!logic_) return;
  logic_->SetPortPriority(SelectedReportRows(ports_), high);
  AfterChange();
}

}  // namespace velkor
