#pragma once

#include <QWidget>

#include "pages/engineering/vlan_info.h"
#include "pages/page.h"

class QTableWidget;

namespace velkor {

// The engineering page "VLAN Related Information": the lists "Port->VLAN Mapping" and "VLAN Table".
class VlanInfoPage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit VlanInfoPage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(VlanInfo* logic) { logic_ = logic; }
  // TabSheet4Show.
  void Fill() override;

 private:
  VlanInfo* logic_ = nullptr;
  QTableWidget* ports_;
  QTableWidget* entries_;
};

}  // namespace velkor
