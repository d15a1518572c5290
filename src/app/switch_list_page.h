#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "app/shell_view.h"
#include "pages/page.h"

class QAction;
class QMenu;
class QPushButton;
class QTableWidget;

namespace velkor {

// What the switch list hands to the logic; unset entries do nothing.
struct SwitchListHandlers {
  std::function<void()> refreshClicked;
  std::function<void(int row)> rowDoubleClicked;
  // The context menu's "连接交换机"; row is the selected row, -1 when none is.
  std::function<void(int row)> connectChosen;
  // Asked as the context menu opens; an unset query leaves the entry disabled.
  std::function<bool(int row)> connectEnabled;
};

// The page "交换机信息": the switches of the last discovery, where a connection starts.
class SwitchListPage : public QWidget, public Page {
  Q_OBJECT

 public:
  // handlers is read at the moment of each event, so it may be filled after construction.
  explicit SwitchListPage(const SwitchListHandlers& handlers, QWidget* parent = nullptr);

  void Clear();
  void SetRows(const std::vector<SwitchRow>& rows);
  void EnableRefresh(bool enabled);

  // Page: the list shows the last discovery, which only the refresh and the adapter pick renew.
  void Fill() override { update(); }

 private:
  int SelectedRow() const;
  void ShowContextMenu(const QPoint& position);

  const SwitchListHandlers& handlers_;
  QTableWidget* list_;
  QPushButton* refresh_;
  QMenu* menu_;
  QAction* connect_;
};

}  // namespace velkor
