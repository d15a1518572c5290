#include "pages/engineering/eeprom_writer_page.h"

#include <QAction>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace velkor {

EepromWriterPage::EepromWriterPage(QWidget* parent) : QWidget(parent), file_(new QLineEdit(this)) {
  file_->setObjectName(QStringLiteral("ImageFile"));
  auto* open = new QAction(QStringLiteral("&Open..."), this);
  open->setObjectName(QStringLiteral("FileOpen1"));
  open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  open->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  open->setToolTip(QStringLiteral("Open"));
  open->setStatusTip(QStringLiteral("Opens an existing file"));
  addAction(open);
  connect(open, &QAction::triggered, this, [this] {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open File"), {},
                                                      QStringLiteral("BIN Image File (*.bin)"));
    if (!path.isEmpty()) FileOpen1Accept(path);
  });
  // The button carries the action's caption and hint, and runs it.
  auto* openButton = new QPushButton(open->text(), this);
  openButton->setToolTip(open->toolTip());
  openButton->setStatusTip(open->statusTip());
  connect(openButton, &QPushButton::clicked, open, &QAction::trigger);
  auto* burn = new QPushButton(QStringLiteral("Burn Image"), this);
  burn->setObjectName(QStringLiteral("Button18"));
  connect(burn, &QPushButton::clicked, this, &EepromWriterPage::Button18Click);

  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Image File:"), this), 0, 0);
  layout->addWidget(file_, 0, 1);
  layout->addWidget(openButton, 0, 2);
  layout->addWidget(burn, 1, 1, Qt::AlignLeft);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(2, 1);
}

void EepromWriterPage::FileOpen1Accept(const QString& path) { file_->setText(path); }

void EepromWriterPage::Button18Click() {
  if (logic_) logic_->Button18Click(file_->text().toStdString());
}

}  // namespace velkor
