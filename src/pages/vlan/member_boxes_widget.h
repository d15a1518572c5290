#pragma once

#include <QGroupBox>
#include <array>

#include "pages/vlan/member_boxes.h"

class QCheckBox;

namespace velkor {

// The member dialogs' group box: 26 port boxes as MemberBoxes decides them, with "全选中" and
// "全不选".
class MemberBoxesWidget : public QGroupBox {
  Q_OBJECT

 public:
  MemberBoxesWidget(const QString& title, QWidget* parent);

  // Shows boxes; the user's clicks go back into it.
  void Load(MemberBoxes* boxes);
  QCheckBox* Box(size_t i) const { return checks_.at(i); }

 private:
  void Refresh();

  MemberBoxes* boxes_ = nullptr;
  std::array<QCheckBox*, MemberBoxes::kCount> checks_{};
};

}  // namespace velkor
