#pragma once

#include <QWidget>

#include "pages/page.h"
#include "pages/ports/port_status.h"

class QTableWidget;

namespace velkor {

// The port status page "端口状态" of the switch-status sheet (its tab is hidden): shows what
// PortStatus read, each state and trunk error cell coloured by its text.
class PortStatusPage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit PortStatusPage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(PortStatus* logic) { logic_ = logic; }
  // Shown, and "刷新".
  void Fill() override;
  void Show(const std::vector<PortStatusRow>& rows);

 private:
  PortStatus* logic_ = nullptr;
  QTableWidget* list_;
};

}  // namespace velkor
