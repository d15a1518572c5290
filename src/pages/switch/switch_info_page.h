#pragma once

#include <QWidget>
#include <functional>

#include "pages/page.h"
#include "pages/switch/switch_description.h"

class QLineEdit;

namespace velkor {

// The page "交换机信息设置": the switch description, and the export and import of the configuration.
class SwitchInfoPage : public QWidget, public SwitchDescriptionView, public Page {
  Q_OBJECT

 public:
  explicit SwitchInfoPage(QWidget* parent = nullptr);

  // "修改"; unset does nothing.
  void SetChangeHandler(std::function<void()> handler) { changeClicked_ = std::move(handler); }
  // "导出配置文件" and "导入配置文件"; unset do nothing.
  void SetTransferHandlers(std::function<void()> exportClicked, std::function<void()> importClicked) {
    exportClicked_ = std::move(exportClicked);
    importClicked_ = std::move(importClicked);
  }
  // Showing the page; unset does nothing.
  void SetShowHandler(std::function<void()> handler) { shown_ = std::move(handler); }

  // Page: the description as the switch holds it now, which a factory reset may have erased.
  void Fill() override;

  // SwitchDescriptionView.
  void Repaint() override;
  void SetDescriptionText(const std::string& text) override;
  std::string DescriptionText() const override;

 private:
  // Keeps the edit within what the switch can store.
  void FitEdit();
  QWidget* TransferGroup();

  std::function<void()> changeClicked_;
  std::function<void()> shown_;
  std::function<void()> exportClicked_;
  std::function<void()> importClicked_;
  QLineEdit* edit_;
};

}  // namespace velkor
