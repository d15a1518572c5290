#include "pages/switch/security_page.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>

#include "device/message_table.h"
#include "device/model.h"
#include "pages/message_text.h"
#include "pages/report_list.h"

namespace velkor {

namespace {

constexpr int kPasswordCharacters = 6;

struct ManagementListRow {
  std::string caption;
  std::vector<std::string> cells;
};

std::string ManagementText(const std::optional<bool>& off) {
  if (!off) return std::string(Message(MessageId::kUnknown));
  return std::string(Message(*off ? MessageId::kDisabled : MessageId::kEnabled));
}

}  // namespace

SecurityPage::SecurityPage(QWidget* parent)
    : QWidget(parent),
      passwordGroup_(new QGroupBox(QStringLiteral("修改连接密码"), this)),
      managementLabel_(new QLabel(QStringLiteral("管理端口设置"), this)),
      ports_(MakeReportList(this, 2, QStringLiteral("ManagementPortList"),
                            QStringLiteral("单击右键设置端口管理功能"),
                            QAbstractItemView::ExtendedSelection)),
      menu_(new QMenu(this)) {
  auto* form = new QFormLayout(passwordGroup_);
  const QString labels[] = {QStringLiteral("请输入当前密码"), QStringLiteral("请输入新连接密码"),
                            QStringLiteral("请再输入一遍")};
  for (size_t i = 0; i < passwords_.size(); ++i) {
    passwords_[i] = new QLineEdit(passwordGroup_);
    passwords_[i]->setObjectName(QStringLiteral("Password%1").arg(i));
    passwords_[i]->setEchoMode(QLineEdit::Password);
    passwords_[i]->setMaxLength(kPasswordCharacters);
    form->addRow(labels[i], passwords_[i]);
  }
  passwords_[2]->setToolTip(QStringLiteral("请确认新连接密码"));
  auto* change = new QPushButton(QStringLiteral("修改连接密码"), passwordGroup_);
  change->setObjectName(QStringLiteral("Button9"));
  change->setDefault(true);
  connect(change, &QPushButton::clicked, this, &SecurityPage::ChangePasswordClick);
  for (QLineEdit* field : passwords_) connect(field, &QLineEdit::returnPressed, change, &QPushButton::click);
  form->addRow(change);

  SetReportColumn(ports_, 0, QStringLiteral("端口"), 54);
  SetReportColumn(ports_, 1, QStringLiteral("管理功能"), 100);
  items_[0] = menu_->addAction(MessageText(MessageId::kDisabled));
  items_[1] = menu_->addAction(MessageText(MessageId::kEnabled));
  for (size_t i = 0; i < items_.size(); ++i)
    connect(items_[i], &QAction::triggered, this, [this, i] { ManagementClick(i == 1); });
  ports_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(ports_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
    PrepareManagementMenu();
    menu_->exec(ports_->viewport()->mapToGlobal(at));
  });
  SetManagementListVisible(false);

  auto* layout = new QGridLayout(this);
  layout->addWidget(passwordGroup_, 0, 0);
  layout->addWidget(managementLabel_, 0, 1);
  layout->addWidget(ports_, 1, 1);
  layout->setRowStretch(1, 1);
}

void SecurityPage::SetManagementListVisible(bool visible) {
  managementLabel_->setVisible(visible);
  ports_->setVisible(visible);
}

void SecurityPage::Connected(const PortLayout& /*layout*/, int modelCode) {
  passwordGroup_->setVisible(modelCode != kModelG26A);
}

void SecurityPage::ClearPasswords() {
  for (QLineEdit* field : passwords_) field->clear();
  passwords_[0]->setFocus();
}

void SecurityPage::Fill() {
  if (!logic_) return;
  logic_->Fill();
  Show(logic_->State());
}

void SecurityPage::Show(const SecurityState& state) {
  ClearPasswords();
  std::vector<ManagementListRow> rows;
  for (const PortBitRow& row : state.rows) rows.push_back({row.caption, {ManagementText(row.set)}});
  FillReportList(ports_, rows);
}

void SecurityPage::ChangePasswordClick() {
  if (!logic_) return;
  const Outcome outcome =
      logic_->ChangePassword(passwords_[0]->text().toStdString(), passwords_[1]->text().toStdString(),
                             passwords_[2]->text().toStdString());
  // Not asked to go on, the user keeps what was typed; after anything else it is gone.
  if (outcome != Outcome::kNotConfirmed) ClearPasswords();
}

void SecurityPage::PrepareManagementMenu() {
  const bool selected = !SelectedReportRows(ports_).empty();
  for (QAction* item : items_) item->setEnabled(selected);
}

void SecurityPage::ManagementClick(bool enabled) {
  if (!logic_) return;
  logic_->SetManagement(SelectedReportRows(ports_), enabled);
  Show(logic_->State());
}

}  // namespace velkor
