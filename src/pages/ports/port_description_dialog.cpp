#include "pages/ports/port_description_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

#include "pages/ports/port_description_record.h"

namespace velkor {
namespace {

// Refuses any edit that would not fit the EEPROM record, so what was typed is what gets stored.
class GbkBytesValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return FitsPortDescription(input.toStdString()) ? Acceptable : Invalid;
  }
};

}  // namespace

TPortDescription::TPortDescription(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      edit_(new QLineEdit(this)) {
  setWindowTitle(QStringLiteral("端口描述"));
  setFixedSize(237, 116);
  edit_->setObjectName(QStringLiteral("Edit1"));
  edit_->setValidator(new GbkBytesValidator(edit_));

  auto* label = new QLabel(QStringLiteral("请添加端口描述              "), this);
  label->setObjectName(QStringLiteral("Label1"));
  auto* ok = new QPushButton(QStringLiteral("确定"), this);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("取消"), this);
  cancel->setObjectName(QStringLiteral("Button2"));
  connect(ok, &QPushButton::clicked, this, &TPortDescription::Button1Click);
  connect(cancel, &QPushButton::clicked, this, &TPortDescription::Button2Click);

  auto* layout = new QGridLayout(this);
  layout->addWidget(label, 0, 0, 1, 2);
  layout->addWidget(edit_, 1, 0, 1, 2);
  layout->addWidget(ok, 2, 0);
  layout->addWidget(cancel, 2, 1);
}

std::optional<std::string> TPortDescription::Ask() {
  edit_->clear();
  cancelled_ = 0;
  exec();
  if (Cancelled()) return std::nullopt;
  return edit_->text().toStdString();
}

void TPortDescription::Button1Click() {
  cancelled_ = 0;
  accept();
}

void TPortDescription::Button2Click() { reject(); }

void TPortDescription::reject() {
  cancelled_ = 1;
  QDialog::reject();
}

}  // namespace velkor
