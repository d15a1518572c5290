#include "pages/switch/save_reset_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "device/model.h"
#include "pages/message_text.h"

namespace velkor {

namespace {
QPushButton* Button(QWidget* parent, const char* name, const QString& caption,
                    const std::function<void()>& handler) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  QObject::connect(button, &QPushButton::clicked, parent, [&handler] {
    if (handler) handler();
  });
  return button;
}

// The bench buttons that dump the EEPROM and the registers: kept on the page, hidden and inert.
void AddBenchControls(QWidget* page, QGridLayout* layout) {
  int column = 0;
  for (const char* name : {"DumpEeprom", "DumpReg"}) {
    auto* button = new QPushButton(QString::fromLatin1(name), page);
    button->setObjectName(QString::fromLatin1(name));
    button->setEnabled(false);
    button->setVisible(false);
    layout->addWidget(button, 2, column++);
  }
  auto* file = new QLineEdit(QStringLiteral("Image.bin"), page);
  file->setObjectName(QStringLiteral("ImageFileName"));
  file->setVisible(false);
  layout->addWidget(file, 3, 0);
}
}  // namespace

SaveResetPage::SaveResetPage(QWidget* parent)
    : QWidget(parent), group_(new QGroupBox(MessageText(MessageId::kRestoreAndSaveKeepsPassword), this)) {
  group_->setObjectName(QStringLiteral("SaveGroup"));
  auto* groupLayout = new QGridLayout(group_);
  groupLayout->addWidget(
      Button(this, "Button5", QStringLiteral("恢复出厂设置"), handlers_.factoryResetClicked), 0, 0);
  groupLayout->addWidget(Button(this, "Button24", QStringLiteral("保存设置"), handlers_.saveClicked), 0, 1);
  QPushButton* softReset = Button(this, "Button19", QStringLiteral("软复位"), handlers_.softResetClicked);
  softReset->setEnabled(false);
  softReset->setVisible(false);
  groupLayout->addWidget(softReset, 1, 0);

  auto* layout = new QGridLayout(this);
  layout->addWidget(group_, 0, 0, 1, 2);
  layout->addWidget(Button(this, "DisConnectBtn", QStringLiteral("断开连接"), handlers_.disconnectClicked), 1,
                    0, Qt::AlignLeft);
  AddBenchControls(this, layout);
  layout->setRowStretch(4, 1);
  layout->setColumnStretch(1, 1);
}

void SaveResetPage::Repaint() { repaint(); }

void SaveResetPage::SelectMaintenancePages() {
  if (handlers_.selectMaintenancePages) handlers_.selectMaintenancePages();
}

void SaveResetPage::Connected(const PortLayout&, int modelCode) {
  group_->setTitle(MessageText(modelCode == kModelG26A ? MessageId::kRestoreAndSave
                                                       : MessageId::kRestoreAndSaveKeepsPassword));
}

}  // namespace velkor
