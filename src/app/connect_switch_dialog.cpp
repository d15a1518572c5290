#include "app/connect_switch_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/shell_font.h"

namespace velkor {
namespace {

QLabel* MakeLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

QLineEdit* MakeSecretEdit(const char* name, int maxLength, const QString& hint, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMaxLength(maxLength);
  edit->setEchoMode(QLineEdit::Password);
  // Masked as "*" on every platform, not with the style's own bullet.
  edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
  edit->setToolTip(hint);
  return edit;
}

QPushButton* MakeButton(const char* name, const QString& text, const QString& hint, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  return button;
}

}  // namespace

TConnectSwitch::TConnectSwitch(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
  setWindowTitle(QStringLiteral("连接交换机"));
  setFont(ShellFont());

  // Created in the order of the tab chain.
  auto* label1 = MakeLabel("Label1", QStringLiteral("交换机型号："), this);
  switchType_ = MakeLabel("SwitchType", QString(), this);
  auto* label2 = MakeLabel("Label2", QStringLiteral("交换机MAC地址："), this);
  switchMac_ = MakeLabel("SwitchMac", QString(), this);
  auto* label3 =
      MakeLabel("Label3", QStringLiteral("请输入连接密码（密码最长六位并区分大小写字母）。"), this);
  inputPasswd_ = MakeSecretEdit("InputPasswd", kPasswordLength, QStringLiteral("请输入连接密码"), this);
  auto* connectButton = MakeButton("Connect", QStringLiteral("连接"), QStringLiteral("单击连接交换机"), this);
  connectButton->setDefault(true);
  auto* label4 =
      MakeLabel("Label4",
                QStringLiteral("如果您忘记了连接密码，可以先在下面的输入框中输入恢复出厂密码认证码，"
                               "然后单击“恢复出厂密码”按钮恢复出厂时默认的密码。"),
                this);
  label4->setWordWrap(true);
  inputAuthCode_ =
      MakeSecretEdit("InputAuthCode", kRecoveryCodeLength, QStringLiteral("请输入恢复出厂密码认证码"), this);
  auto* recoverButton = MakeButton("RecoverPassword", QStringLiteral("恢复出厂密码"),
                                   QStringLiteral("请先输入恢复出厂密码认证码，然后单击恢复出厂密码"), this);

  auto* layout = new QGridLayout(this);
  layout->addWidget(label1, 0, 0);
  layout->addWidget(switchType_, 0, 1);
  layout->addWidget(label2, 1, 0);
  layout->addWidget(switchMac_, 1, 1);
  layout->addWidget(label3, 2, 0, 1, 3);
  layout->addWidget(inputPasswd_, 3, 0, 1, 2);
  layout->addWidget(connectButton, 3, 2);
  layout->addWidget(label4, 4, 0, 1, 3);
  layout->addWidget(inputAuthCode_, 5, 0, 1, 2);
  layout->addWidget(recoverButton, 5, 2);
  layout->setColumnStretch(1, 1);
  layout->setColumnMinimumWidth(1, 240);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(connectButton, &QPushButton::clicked, this, &TConnectSwitch::ConnectClick);
  connect(recoverButton, &QPushButton::clicked, this, &TConnectSwitch::RecoverPasswordClick);
}

ConnectOutcome TConnectSwitch::Run(const std::string& modelName, const std::string& macText) {
  switchType_->setText(QString::fromStdString(modelName));
  switchMac_->setText(QString::fromStdString(macText));
  inputPasswd_->clear();
  inputAuthCode_->clear();
  inputPasswd_->setFocus();
  outcome_ = {};
  exec();
  return outcome_;
}

// The outcome never carries more than six characters, whatever the edit let through; the connection
// compares no more than the six GBK bytes the switch keeps.
void TConnectSwitch::ConnectClick() {
  outcome_ = {ConnectOutcome::Kind::kConnect, inputPasswd_->text().left(kPasswordLength).toStdString(), {}};
  accept();
}

// The code is handed over as typed; whether it is the right one is the connection logic's decision.
void TConnectSwitch::RecoverPasswordClick() {
  outcome_ = {
      ConnectOutcome::Kind::kRecover, {}, inputAuthCode_->text().left(kRecoveryCodeLength).toStdString()};
  accept();
}

}  // namespace velkor
