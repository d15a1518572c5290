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
  layout->addWidget(TransferGroup(), 1, 0);
  layout->setRowStretch(2, 1);
}

QWidget* SwitchInfoPage::TransferGroup() {
  auto* group = new QGroupBox(QStringLiteral("配置导入导出（不涉及连接密码）"), this);
  group->setObjectName(QStringLiteral("TransferGroup"));
  // The export reads the EEPROM, not the live registers.
  auto* label = new QLabel(
      QStringLiteral("导出配置前请先保存交换机设置。导入或导出配置期间请不要切断交换机的电源。"), group);
  label->setWordWrap(true);
  auto* backup = new QPushButton(QStringLiteral("导出配置文件"), group);
  backup->setObjectName(QStringLiteral("BtnBackup"));
  connect(backup, &QPushButton::clicked, this, [this] {
    if (exportClicked_) exportClicked_();
  });
  auto* load = new QPushButton(QStringLiteral("导入配置文件"), group);
  load->setObjectName(QStringLiteral("BtnLoad"));
  connect(load, &QPushButton::clicked, this, [this] {
    if (importClicked_) importClicked_();
  });
  auto* groupLayout = new QGridLayout(group);
  groupLayout->addWidget(label, 0, 0, 1, 3);
  groupLayout->addWidget(backup, 1, 1);
  groupLayout->addWidget(load, 1, 2);
  groupLayout->setColumnStretch(0, 1);
  return group;
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
