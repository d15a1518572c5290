#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "device/prompter.h"
#include "pages/vlan/group_chooser.h"
#include "pages/vlan/group_dialog.h"
#include "pages/vlan/member_dialog.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace velkor {

class MemberBoxesWidget;

// "设置允许与本端口相互通信的端口" (edit mode) or "添加VLAN组" (add mode) over PortMemberDialog.
class TVlanDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TVlanDlg(QWidget* parent = nullptr);

  // Shows logic's boxes; ownCaption is the edited port's caption (edit mode).
  void Load(PortMemberDialog* logic, const std::string& ownCaption, Prompter* prompter);
  // Modal; true when "确定" closed it with a result.
  bool Run(PortMemberDialog* logic, const std::string& ownCaption, Prompter* prompter);
  void Button1Click();
  MemberBoxesWidget* Boxes() const { return boxes_; }

 private:
  PortMemberDialog* logic_ = nullptr;
  Prompter* prompter_ = nullptr;
  QLabel* ownLabel_;
  QLabel* ownPort_;
  QLabel* hint_;
  MemberBoxesWidget* boxes_;
};

// "设置802.1Q VLAN组成员端口" over GroupDialog.
class TVlan2Dlg : public QDialog {
  Q_OBJECT

 public:
  explicit TVlan2Dlg(QWidget* parent = nullptr);

  void Load(GroupDialog* logic, Prompter* prompter);
  bool Run(GroupDialog* logic, Prompter* prompter);
  void Button1Click();
  MemberBoxesWidget* Boxes() const { return boxes_; }
  QLineEdit* VidEdit() const { return vid_; }

 private:
  GroupDialog* logic_ = nullptr;
  Prompter* prompter_ = nullptr;
  QLineEdit* vid_;
  MemberBoxesWidget* boxes_;
};

// "映射到VLAN组" over GroupChooser.
class TVlanSelectionDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TVlanSelectionDlg(QWidget* parent = nullptr);

  void Load(const GroupChooser& chooser);
  // Modal; the chosen entry, or none when cancelled or nothing was chosen.
  std::optional<int> Run(GroupChooser chooser);
  QComboBox* List() const { return list_; }

 private:
  QComboBox* list_;
};

}  // namespace velkor
