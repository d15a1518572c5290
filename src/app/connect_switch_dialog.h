#pragma once

#include <QDialog>

#include "device/connect_dialog.h"

class QLabel;
class QLineEdit;

namespace velkor {

// The password dialog "连接交换机", also the way to restore the factory password.
class TConnectSwitch : public QDialog, public ConnectDialog {
  Q_OBJECT

 public:
  static constexpr int kPasswordLength = 6;
  static constexpr int kRecoveryCodeLength = 10;

  explicit TConnectSwitch(QWidget* parent = nullptr);

  ConnectOutcome Run(const std::string& modelName, const std::string& macText) override;

 private:
  void ConnectClick();
  void RecoverPasswordClick();

  QLabel* switchType_ = nullptr;
  QLabel* switchMac_ = nullptr;
  QLineEdit* inputPasswd_ = nullptr;
  QLineEdit* inputAuthCode_ = nullptr;
  ConnectOutcome outcome_;
};

}  // namespace velkor
