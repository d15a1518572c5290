#include "pages/engineering/mac_address_page.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velkor {

MacAddressPage::MacAddressPage(QWidget* parent)
    : QWidget(parent), group_(new QGroupBox(QStringLiteral("MAC Address Configuration"), this)) {
  auto* row = new QHBoxLayout;
  for (size_t k = 0; k < octets_.size(); ++k) {
    if (k) row->addWidget(new QLabel(QStringLiteral("--"), group_));
    octets_[k] = new QLineEdit(QStringLiteral("00"), group_);
    octets_[k]->setObjectName(QStringLiteral("MacOctet%1").arg(k));
    octets_[k]->setMaxLength(2);
    octets_[k]->setFixedWidth(32);
    row->addWidget(octets_[k]);
  }
  row->addStretch(1);
  auto* set = new QPushButton(QStringLiteral("Set"), group_);
  set->setObjectName(QStringLiteral("Button22"));
  connect(set, &QPushButton::clicked, this, &MacAddressPage::Button22Click);
  auto* groupLayout = new QVBoxLayout(group_);
  groupLayout->addLayout(row);
  groupLayout->addWidget(set, 0, Qt::AlignLeft);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group_);
  layout->addStretch(1);
}

void MacAddressPage::Fill() {
  if (!logic_) return;
  repaint();
  const auto fields = logic_->TabSheet10Show();
  group_->setVisible(fields.has_value());
  if (fields) Show(*fields);
}

void MacAddressPage::Button22Click() {
  if (!logic_) return;
  MacFields fields;
  for (size_t k = 0; k < octets_.size(); ++k) fields[k] = octets_[k]->text().toStdString();
  // After a refusal the fields keep what was typed; otherwise they show what the EEPROM holds now.
  if (logic_->Button22Click(fields) != Outcome::kRefused) Show(MacFieldsOf(logic_->ReadBack()));
}

void MacAddressPage::Show(const MacFields& fields) {
  for (size_t k = 0; k < octets_.size(); ++k) octets_[k]->setText(QString::fromStdString(fields[k]));
}

}  // namespace velkor
