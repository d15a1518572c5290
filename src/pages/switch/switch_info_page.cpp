#include "pages/switch/switch_info_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "device/gbk_text.h"

namespace velkor {

SwitchInfoPage::SwitchInfoPage(QWidget* parent) : QWidget(parent), edit_(new QLineEdit) {
  auto* group = new QGroupBox(QStringLiteral("交换机描述"), this);
  group->setObjectName(QStringLiteral("DescriptionGroup"));
  auto* label = new QLabel(
      QStringLiteral("通过交换机描述，可以在网络中标识该交换机，为您在同时管理多台交换机带来方便。"), group);
  label->setWordWrap(true);
  edit_->setObjectName(QStringLiteral("Edit1"));
  edit_->setMaxLength(static_cast<int>(kSwitchDescriptionBytes));
  connect(edit_, &QLineEdit::textEdited, this, [this] { FitEdit(); });
  auto* change = new QPushButton(QStringLiteral("修改"), group);
  change->setObjectName(QStringLiteral("Button7"));
  connect(change, &QPushButton::clicked, this, [this] {
    if (changeClicked_) changeClicked_();
  });

  auto* groupLayout = new QGridLayout(group);
  groupLayout->addWidget(label, 0, 0, 1, 2);
  groupLayout->addWidget(edit_, 1, 0);
  groupLayout->addWidget(change, 1, 1);
  groupLayout->setColumnStretch(0, 1);

  auto* layout = new QGridLayout(this);
  layout->addWidget(group, 0, 0);
  layout->setRowStretch(1, 1);
}

void SwitchInfoPage::Fill() {
  if (shown_) shown_();
}

void SwitchInfoPage::Repaint() { repaint(); }

void SwitchInfoPage::SetDescriptionText(const std::string& text) {
  edit_->setText(QString::fromStdString(text));
}

std::string SwitchInfoPage::DescriptionText() const { return edit_->text().toStdString(); }

void SwitchInfoPage::FitEdit() {
  const std::string text = DescriptionText();
  const std::string fitted = GbkToUtf8(FitSwitchDescription(text));
  if (fitted == text) return;
  const int cursor = edit_->cursorPosition();
  edit_->setText(QString::fromStdString(fitted));
  edit_->setCursorPosition(cursor);
}

}  // namespace velkor
