#pragma once

#include <QWidget>
#include <array>

#include "device/prompter.h"
#include "pages/page.h"
#include "pages/vlan/dot1q_vlan.h"
#include "pages/vlan/port_vlan.h"

class QAction;
class QLabel;
class QMenu;
class QTableWidget;

namespace velkor {

// The page "基于端口的VLAN设置": each port's peers, and the member dialog behind its menu.
class PortVlanTablePage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit PortVlanTablePage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(PortVlan* logic, Prompter* prompter);
  void Fill() override;
  void PrepareMenu();
  void EditPortClick();
  void AddGroupClick();
  void ClearTableClick();
  QTableWidget* List() const { return list_; }

 private:
  void ShowRows();

  PortVlan* logic_ = nullptr;
  Prompter* prompter_ = nullptr;
  QTableWidget* list_;
  QMenu* menu_;
  std::array<QAction*, 3> items_{};
};

// The page "802.1Q VLAN设置": the 32 groups and each port's group, with their dialogs.
class Dot1qGroupsPage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit Dot1qGroupsPage(QWidget* parent = nullptr);

  void Attach(Dot1qVlan* logic, Prompter* prompter);
  void Fill() override;
  // Hidden while untagged frames are dropped.
  void SetMappingVisible(bool visible);
  void PrepareGroupMenu();
  void EditGroupClick();
  void ClearGroupClick();
  void ChooseGroupClick();
  QTableWidget* Groups() const { return groups_; }
  QTableWidget* Mapping() const { return mapping_; }

 private:
  void ShowRows();
  std::optional<size_t> SelectedRow(const QTableWidget* list) const;

  Dot1qVlan* logic_ = nullptr;
  Prompter* prompter_ = nullptr;
  QTableWidget* groups_;
  QLabel* mappingLabel_;
  QTableWidget* mapping_;
  QMenu* groupMenu_;
  QAction* edit_;
  QAction* clear_;
};

}  // namespace velkor
