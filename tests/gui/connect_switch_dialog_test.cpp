#include "app/connect_switch_dialog.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace velkor {
namespace {

class ConnectSwitchDialogTest : public ::testing::Test {
 protected:
  template <typename T>
  T* Control(const char* name) {
    return dialog.findChild<T*>(name);
  }

  // Runs the dialog while act plays the user.
  ConnectOutcome RunWith(std::function<void()> act) {
    QTimer::singleShot(0, [&] {
      seenType = Control<QLabel>("SwitchType")->text();
      seenPassword = Control<QLineEdit>("InputPasswd")->text();
      act();
    });
    return dialog.Run("QX-F8A", "00:E0:4C:00:00:10");
  }

  void Type(const char* edit, const QString& text) { Control<QLineEdit>(edit)->setText(text); }
  void Click(const char* button) { Control<QPushButton>(button)->click(); }

  TConnectSwitch dialog;
  QString seenType;
  QString seenPassword;
};

TEST_F(ConnectSwitchDialogTest, ControlsComeInOrderWithTheirTextsHintsAndLimits) {
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("连接交换机"));
  QStringList names;
  for (QWidget* child : dialog.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
    names << child->objectName();
  }
  EXPECT_EQ(names, (QStringList{"Label1", "SwitchType", "Label2", "SwitchMac", "Label3", "InputPasswd",
                                "Connect", "Label4", "InputAuthCode", "RecoverPassword"}));
  EXPECT_EQ(Control<QLabel>("Label1")->text(), QStringLiteral("交换机型号："));
  EXPECT_EQ(Control<QLabel>("Label2")->text(), QStringLiteral("交换机MAC地址："));
  EXPECT_TRUE(Control<QLabel>("Label4")->text().contains(QStringLiteral("“恢复出厂密码”")));

  auto* password = Control<QLineEdit>("InputPasswd");
  EXPECT_EQ(password->maxLength(), 6);
  EXPECT_EQ(password->echoMode(), QLineEdit::Password);
  EXPECT_EQ(password->toolTip(), QStringLiteral("请输入连接密码"));
  auto* code = Control<QLineEdit>("InputAuthCode");
  EXPECT_EQ(code->maxLength(), 10);
  EXPECT_EQ(code->echoMode(), QLineEdit::Password);
  EXPECT_EQ(code->toolTip(), QStringLiteral("请输入恢复出厂密码认证码"));
  for (QLineEdit* masked : {password, code}) {
    masked->setText(QStringLiteral("密码a"));
    EXPECT_EQ(masked->displayText(), QStringLiteral("***"));
  }

  auto* connect = Control<QPushButton>("Connect");
  EXPECT_TRUE(connect->isDefault());
  EXPECT_EQ(connect->text(), QStringLiteral("连接"));
  EXPECT_EQ(connect->toolTip(), QStringLiteral("单击连接交换机"));
  EXPECT_EQ(Control<QPushButton>("RecoverPassword")->toolTip(),
            QStringLiteral("请先输入恢复出厂密码认证码，然后单击恢复出厂密码"));
}

TEST_F(ConnectSwitchDialogTest, ConnectHandsOverAtMostSixCharacters) {
  const ConnectOutcome outcome = RunWith([&] {
    Type("InputPasswd", "Abc123xyz");
    Click("Connect");
  });
  EXPECT_EQ(seenType, QStringLiteral("QX-F8A"));
  EXPECT_EQ(outcome.kind, ConnectOutcome::Kind::kConnect);
  EXPECT_EQ(outcome.password, "Abc123");
}

TEST_F(ConnectSwitchDialogTest, RecoverHandsOverTheCodeAndANewRunStartsEmpty) {
  const ConnectOutcome recover = RunWith([&] {
    Type("InputPasswd", "secret");
    Type("InputAuthCode", "wrong-code-given");
    Click("RecoverPassword");
  });
  EXPECT_EQ(recover.kind, ConnectOutcome::Kind::kRecover);
  EXPECT_EQ(recover.recoveryCode, "wrong-code");

  const ConnectOutcome closed = RunWith([&] { dialog.reject(); });
  EXPECT_EQ(seenPassword, QString());
  EXPECT_EQ(closed.kind, ConnectOutcome::Kind::kNone);
  EXPECT_EQ(closed.password, "");
}

}  // namespace
}  // namespace velkor
