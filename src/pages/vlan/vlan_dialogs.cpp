#include "pages/vlan/vlan_dialogs.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "device/message_table.h"
#include "pages/vlan/member_boxes_widget.h"

namespace velkor {

namespace {

constexpr auto kFixedDialog = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

QString Text(MessageId id) {
  return QString::fromUtf8(Message(id).data(), static_cast<int>(Message(id).size()));
}

// "确定" (default) and "取消", side by side at the right of the last row of layout.
QPushButton* AddButtons(QDialog* dialog, QGridLayout* layout, int row) {
  auto* ok = new QPushButton(QStringLiteral("确定"), dialog);
  ok->setObjectName(QStringLiteral("Button1"));
  ok->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("取消"), dialog);
  cancel->setObjectName(QStringLiteral("Button2"));
  QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  layout->addLayout(buttons, row, 0, 1, 2);
  return ok;
}

}  // namespace

TVlanDlg::TVlanDlg(QWidget* parent)
    : QDialog(parent, kFixedDialog),
      ownLabel_(new QLabel(QStringLiteral("本端口"), this)),
      ownPort_(new QLabel(this)),
      hint_(new QLabel(QStringLiteral("提示：VLAN组的成员端口之间都能相互通信"), this)),
      boxes_(new MemberBoxesWidget(QStringLiteral("允许与本端口相互通信的端口"), this)) {
  ownPort_->setObjectName(QStringLiteral("PortLabel"));
  hint_->setObjectName(QStringLiteral("Hint"));
  auto* layout = new QGridLayout(this);
  layout->addWidget(ownLabel_, 0, 0);
  layout->addWidget(ownPort_, 0, 1);
  layout->addWidget(hint_, 1, 0, 1, 2);
  layout->addWidget(boxes_, 2, 0, 1, 2);
  connect(AddButtons(this, layout, 3), &QPushButton::clicked, this, &TVlanDlg::Button1Click);
}

void TVlanDlg::Load(PortMemberDialog* logic, const std::string& ownCaption, Prompter* prompter) {
  logic_ = logic;
  prompter_ = prompter;
  const bool add = logic->AddMode();
  setWindowTitle(add ? Text(MessageId::kAddVlanGroup) : QStringLiteral("设置允许与本端口相互通信的端口"));
  boxes_->setTitle(add ? Text(MessageId::kVlanGroupMembers) : QStringLiteral("允许与本端口相互通信的端口"));
  ownLabel_->setVisible(!add);
  ownPort_->setVisible(!add);
  ownPort_->setText(QString::fromStdString(ownCaption));
  hint_->setVisible(add);
  boxes_->Load(&logic->Boxes());
}

bool TVlanDlg::Run(PortMemberDialog* logic, const std::string& ownCaption, Prompter* prompter) {
  Load(logic, ownCaption, prompter);
  return exec() == Accepted;
}

void TVlanDlg::Button1Click() {
  if (logic_ && prompter_ && logic_->Accept(*prompter_)) accept();
}

TVlan2Dlg::TVlan2Dlg(QWidget* parent)
    : QDialog(parent, kFixedDialog),
      vid_(new QLineEdit(QStringLiteral("1"), this)),
      boxes_(new MemberBoxesWidget(QStringLiteral("成员端口"), this)) {
  setWindowTitle(QStringLiteral("设置802.1Q VLAN组成员端口"));
  vid_->setObjectName(QStringLiteral("VidEdit"));
  vid_->setMaxLength(4);
  vid_->setToolTip(QStringLiteral("请输入VLAN ID"));
  auto* layout = new QGridLayout(this);
  // Four digits at most: a short box right after its label, not one as wide as the dialog.
  vid_->setMaximumWidth(vid_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
  auto* vidRow = new QHBoxLayout;
  vidRow->addWidget(new QLabel(QStringLiteral("VLAN ID: "), this));
  vidRow->addWidget(vid_);
  vidRow->addStretch();
  layout->addLayout(vidRow, 0, 0, 1, 2);
  layout->addWidget(new QLabel(QStringLiteral("（请输入1到4094之间的整数）"), this), 1, 0, 1, 2);
  layout->addWidget(boxes_, 2, 0, 1, 2);
  connect(AddButtons(this, layout, 3), &QPushButton::clicked, this, &TVlan2Dlg::Button1Click);
}

void TVlan2Dlg::Load(GroupDialog* logic, Prompter* prompter) {
  logic_ = logic;
  prompter_ = prompter;
  vid_->setText(QString::fromStdString(logic->vidText));
  boxes_->Load(&logic->Boxes());
}

bool TVlan2Dlg::Run(GroupDialog* logic, Prompter* prompter) {
  Load(logic, prompter);
  return exec() == Accepted;
}

void TVlan2Dlg::Button1Click() {
  if (!logic_ || !prompter_) return;
  logic_->vidText = vid_->text().toStdString();
  if (logic_->Accept(*prompter_)) accept();
}

TVlanSelectionDlg::TVlanSelectionDlg(QWidget* parent)
    : QDialog(parent, kFixedDialog), list_(new QComboBox(this)) {
  setWindowTitle(QStringLiteral("映射到VLAN组"));
  list_->setObjectName(QStringLiteral("ComboBox1"));
  list_->setEditable(false);
  auto* layout = new QGridLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("请选择VLAN组"), this), 0, 0, 1, 2);
  layout->addWidget(list_, 1, 0, 1, 2);
  layout->addWidget(new QLabel(QStringLiteral("提示：不能映射到空的VLAN组"), this), 2, 0, 1, 2);
  connect(AddButtons(this, layout, 3), &QPushButton::clicked, this, &QDialog::accept);
}

void TVlanSelectionDlg::Load(const GroupChooser& chooser) {
  list_->clear();
  for (const std::string& item : chooser.items) list_->addItem(QString::fromStdString(item));
  list_->setCurrentIndex(chooser.selected ? static_cast<int>(*chooser.selected) : -1);
}

std::optional<int> TVlanSelectionDlg::Run(GroupChooser chooser) {
  Load(chooser);
  if (exec() != Accepted || list_->currentIndex() < 0) return std::nullopt;
  chooser.selected = static_cast<size_t>(list_->currentIndex());
  return chooser.Chosen();
}

}  // namespace velkor
