#include "pages/vlan/member_boxes_widget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

namespace velkor {

namespace {
constexpr int kBoxWidth = 40;
constexpr int kTrunkBoxWidth = kBoxWidth + 50;
constexpr int kBoxesPerRow = 8;
}  // namespace

MemberBoxesWidget::MemberBoxesWidget(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
  auto* layout = new QGridLayout(this);
  for (size_t i = 0; i < checks_.size(); ++i) {
    auto* check = new QCheckBox(this);
    check->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
    connect(check, &QCheckBox::clicked, this, [this, i](bool checked) {
      if (boxes_) boxes_->SetChecked(i, checked);
    });
    layout->addWidget(check, static_cast<int>(i) / kBoxesPerRow, static_cast<int>(i) % kBoxesPerRow);
    checks_[i] = check;
  }
  auto* all = new QPushButton(QStringLiteral("全选中"), this);
  all->setObjectName(QStringLiteral("SelectAll"));
  all->setToolTip(QStringLiteral("单击选中所有的端口"));
  auto* none = new QPushButton(QStringLiteral("全不选"), this);
  none->setObjectName(QStringLiteral("SelectNone"));
  none->setToolTip(QStringLiteral("单击不选中任何端口"));
  connect(all, &QPushButton::clicked, this, [this] {
    if (boxes_) boxes_->CheckAll(true);
    Refresh();
  });
  connect(none, &QPushButton::clicked, this, [this] {
    if (boxes_) boxes_->CheckAll(false);
    Refresh();
  });
  const int buttons = static_cast<int>(checks_.size()) / kBoxesPerRow + 1;
  layout->addWidget(all, buttons, 0, 1, 2);
  layout->addWidget(none, buttons, 2, 1, 2);
}

void MemberBoxesWidget::Load(MemberBoxes* boxes) {
  boxes_ = boxes;
  Refresh();
}

void MemberBoxesWidget::Refresh() {
  if (!boxes_) return;
  for (size_t i = 0; i < checks_.size(); ++i) {
    const MemberBox& box = boxes_->Box(i);
    QCheckBox* check = checks_[i];
    check->setText(QString::fromStdString(box.caption));
    check->setChecked(box.checked);
    check->setEnabled(box.enabled);
    check->setMinimumWidth(box.wide ? kTrunkBoxWidth : kBoxWidth);
    check->setVisible(box.visible);
  }
}

}  // namespace velkor
