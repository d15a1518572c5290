#pragma once

#include <QWidget>
#include <array>

#include "pages/engineering/mac_address.h"
#include "pages/page.h"

class QGroupBox;
class QLineEdit;

namespace velkor {

// The engineering page "Set MAC Address": the group "MAC Address Configuration" with six
// two-character fields separated by "--", and "Set".
class MacAddressPage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit MacAddressPage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(MacAddressSetting* logic) { logic_ = logic; }
  // TabSheet10Show.
  void Fill() override;
  // "Set".
  void Button22Click();

 private:
  void Show(const MacFields& fields);

  MacAddressSetting* logic_ = nullptr;
  QGroupBox* group_;
  std::array<QLineEdit*, 6> octets_{};
};

}  // namespace velkor
