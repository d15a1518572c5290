#pragma once

#include <QWidget>
#include <array>

#include "pages/page.h"
#include "pages/ports/port_settings_view.h"

class QAction;
class QMenu;
class QPushButton;
class QTableWidget;

namespace velkor {

class PortSettings;
class PortDescriptions;

// The port settings page "端口设置" of the switch-features sheet: the port list, its pop-up menu and
// the two buttons. It shows what the logic decides and forwards every event to it.
class PortSettingsPage : public QWidget, public PortSettingsView, public Page {
  Q_OBJECT

 public:
  explicit PortSettingsPage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(PortSettings* logic, PortDescriptions* descriptions);

  void Repaint() override;
  void SetRows(const std::vector<PortSettingsRow>& rows) override;
  std::vector<size_t> SelectedRows() const override;
  std::optional<size_t> FocusedRow() const override;

  // Page.
  void Fill() override;

  // PopupMenu2Popup: enables the menu's entries as the logic decides.
  void PreparePopupMenu();
  QMenu* PopupMenu() const { return menu_; }

 private:
  void BuildMenu();
  QMenu* AddSubMenu(const char* name, PortColumn column, bool visible);
  void ShowMenu(const QPoint& position);

  PortSettings* logic_ = nullptr;
  PortDescriptions* descriptions_ = nullptr;
  QTableWidget* list_;
  QMenu* menu_;
  std::array<QAction*, kPortColumnCount> entries_{};
  QAction* fullGigabit_ = nullptr;
  QPushButton* restart_;
  QPushButton* describe_;
};

}  // namespace velkor
