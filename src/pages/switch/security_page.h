#pragma once

#include <QWidget>
#include <array>

#include "pages/page.h"
#include "pages/switch/security.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QTableWidget;

namespace velkor {

// The page "安全设置": the connection password and the (hidden) management-port list; shows what
// Security read and forwards every click to it.
class SecurityPage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit SecurityPage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(Security* logic) { logic_ = logic; }
  void Fill() override;
  void Connected(const PortLayout& layout, int modelCode) override;
  void Show(const SecurityState& state);

  void ChangePasswordClick();
  void ManagementClick(bool enabled);
  void PrepareManagementMenu();
  QMenu* ManagementMenu() const { return menu_; }
  // The management-port list is complete but kept hidden; an engineer may show it.
  void SetManagementListVisible(bool visible);

 private:
  void ClearPasswords();

  Security* logic_ = nullptr;
  QGroupBox* passwordGroup_;
  std::array<QLineEdit*, 3> passwords_{};
  QLabel* managementLabel_;
  QTableWidget* ports_;
  QMenu* menu_;
  std::array<QAction*, 2> items_{};
};

}  // namespace velkor
