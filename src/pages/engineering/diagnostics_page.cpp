#include "pages/engineering/diagnostics_page.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <vector>

namespace velkor {

namespace {

using Handler = void (Diagnostics::*)(DiagnosticsFields&);

struct ButtonSpec {
  const char* name;
  const char* caption;
  Handler handler;
};

struct GroupSpec {
  QGroupBox* box;
  std::vector<std::pair<const char*, QLineEdit*>> rows;
  std::array<ButtonSpec, 2> buttons;
};

QLineEdit* Field(QWidget* group, const char* name) {
  auto* field = new QLineEdit(group);
  field->setObjectName(QString::fromLatin1(name));
  return field;
}

}  // namespace

DiagnosticsPage::DiagnosticsPage(QWidget* parent)
    : QWidget(parent), eepromGroup_(new QGroupBox(QStringLiteral("EEPROM Access"), this)) {
  auto* mac = new QGroupBox(QStringLiteral("MAC Access"), this);
  auto* phy = new QGroupBox(QStringLiteral("PHY Access"), this);
  fields_ = {{{Field(mac, "MacAddress"), &DiagnosticsFields::macAddress},
              {Field(mac, "MacValue"), &DiagnosticsFields::macValue},
              {Field(phy, "PhyId"), &DiagnosticsFields::phyId},
              {Field(phy, "PhyAddress"), &DiagnosticsFields::phyAddress},
              {Field(phy, "PhyValue"), &DiagnosticsFields::phyValue},
              {Field(eepromGroup_, "EepromAddress"), &DiagnosticsFields::eepromAddress},
              {Field(eepromGroup_, "EepromValue"), &DiagnosticsFields::eepromValue}}};
  const auto edit = [this](size_t i) { return fields_[i].first; };

  const GroupSpec groups[] = {
      {mac,
       {{"Address:", edit(0)}, {"Value:", edit(1)}},
       {{{"Button11", "Get", &Diagnostics::Button11Click},
         {"Button12", "Set", &Diagnostics::Button12Click}}}},
      {phy,
       {{"Port ID:", edit(2)}, {"Address:", edit(3)}, {"Value:", edit(4)}},
       {{{"Button13", "Get", &Diagnostics::Button13Click},
         {"Button14", "Set", &Diagnostics::Button14Click}}}},
      {eepromGroup_,
       {{"Address:", edit(5)}, {"Value:", edit(6)}},
       {{{"Button15", "Get", &Diagnostics::Button15Click},
         {"Button16", "Set", &Diagnostics::Button16Click}}}},
  };
  auto* layout = new QVBoxLayout(this);
  for (const GroupSpec& g : groups) {
    auto* form = new QFormLayout(g.box);
    for (const auto& [label, field] : g.rows) form->addRow(QString::fromLatin1(label), field);
    auto* buttons = new QHBoxLayout;
    for (const ButtonSpec& b : g.buttons) {
      auto* button = new QPushButton(QString::fromLatin1(b.caption), g.box);
      button->setObjectName(QString::fromLatin1(b.name));
      connect(button, &QPushButton::clicked, this, [this, h = b.handler] { Run(h); });
      buttons->addWidget(button);
    }
    form->addRow(buttons);
    layout->addWidget(g.box);
  }
  layout->addStretch(1);
}

void DiagnosticsPage::Fill() {
  if (!logic_) return;
  eepromGroup_->setVisible(logic_->EepromGroupShown());
  for (const auto& [edit, member] : fields_) edit->clear();
}

void DiagnosticsPage::Run(void (Diagnostics::*handler)(DiagnosticsFields&)) {
  if (!logic_) return;
  DiagnosticsFields f;
  for (const auto& [edit, member] : fields_) f.*member = edit->text().toStdString();
  (logic_->*handler)(f);
  for (const auto& [edit, member] : fields_) edit->setText(QString::fromStdString(f.*member));
}

}  // namespace velkor
