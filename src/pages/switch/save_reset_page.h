#pragma once

#include <QWidget>
#include <functional>

#include "pages/page.h"
#include "pages/switch/save_reset.h"

class QGroupBox;

namespace velkor {

// What the page's buttons do; unset entries do nothing.
struct SaveResetHandlers {
  std::function<void()> factoryResetClicked;
  std::function<void()> saveClicked;
  std::function<void()> softResetClicked;
  std::function<void()> disconnectClicked;
  // Brings this page and the port settings page to the front of their sheets.
  std::function<void()> selectMaintenancePages;
};

// The page "恢复与保存设置及断开连接": save, factory reset, soft reset, disconnect.
class SaveResetPage : public QWidget, public SaveResetView, public Page {
  Q_OBJECT

 public:
  explicit SaveResetPage(QWidget* parent = nullptr);

  void SetHandlers(SaveResetHandlers handlers) { handlers_ = std::move(handlers); }

  // SaveResetView.
  void Repaint() override;
  void SelectMaintenancePages() override;

  // Page: nothing to read when shown (the sheet's handler refreshes the description); the model
  // with a microcontroller has no password the caption could mention.
  void Fill() override {}
  void Connected(const PortLayout& layout, int modelCode) override;

 private:
  SaveResetHandlers handlers_;
  QGroupBox* group_;
};

}  // namespace velkor
