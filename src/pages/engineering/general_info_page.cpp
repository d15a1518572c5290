#include "pages/engineering/general_info_page.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace velkor {

GeneralInfoPage::GeneralInfoPage(QWidget* parent) : QWidget(parent) {
  auto* layout = new QFormLayout(this);
  for (size_t i = 0; i < fields_.size(); ++i) {
    fields_[i] = new QLineEdit(this);
    fields_[i]->setObjectName(QStringLiteral("GeneralInfo%1").arg(i));
    fields_[i]->setReadOnly(true);
    layout->addRow(QString::fromLatin1(kGeneralInfoLabels[i]), fields_[i]);
  }
  auto* refresh = new QPushButton(QStringLiteral("Refresh"), this);
  refresh->setObjectName(QStringLiteral("Button10"));
  refresh->setVisible(false);
  connect(refresh, &QPushButton::clicked, this, &GeneralInfoPage::Fill);
  layout->addRow(refresh);
}

void GeneralInfoPage::Fill() {
  if (!logic_) return;
  logic_->GeneralInfoPageShow();
  for (size_t i = 0; i < fields_.size(); ++i) fields_[i]->setText(QString::fromStdString(logic_->Texts()[i]));
}

}  // namespace velkor
