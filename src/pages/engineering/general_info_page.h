#pragma once

#include <QWidget>
#include <array>

#include "pages/engineering/general_info.h"
#include "pages/page.h"

class QLineEdit;

namespace velkor {

// The engineering page "General Information": seven read-only fields and a hidden "Refresh".
class GeneralInfoPage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit GeneralInfoPage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(GeneralInfo* logic) { logic_ = logic; }
  // GeneralInfoPageShow; the hidden "Refresh" (Button10Click) does the same.
  void Fill() override;

 private:
  GeneralInfo* logic_ = nullptr;
  std::array<QLineEdit*, kGeneralInfoFields> fields_{};
};

}  // namespace velkor
