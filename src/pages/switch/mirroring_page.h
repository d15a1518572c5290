#pragma once

#include <QWidget>

#include "pages/page.h"
#include "pages/switch/mirroring.h"

class QMenu;
class QTableWidget;

namespace velkor {

// The page "端口镜像设置" (its tab is hidden): mirror ports on the left, mirrored ports on the
// right; shows what Mirroring read and forwards every menu choice to it.
class MirroringPage : public QWidget, public Page {
  Q_OBJECT

 public:
  explicit MirroringPage(QWidget* parent = nullptr);

  // Events before the logic is attached do nothing.
  void Attach(Mirroring* logic) { logic_ = logic; }
  void Fill() override;
  void Show(const std::vector<MirrorRow>& rows);
  void RoleClick(MirrorRole role, bool on);

 private:
  // The list that shows role.
  QTableWidget* ListOf(MirrorRole role) const;

  Mirroring* logic_ = nullptr;
  QTableWidget* mirrors_;
  QTableWidget* mirrored_;
  QMenu* mirrorMenu_;
  QMenu* mirroredMenu_;
};

}  // namespace velkor
