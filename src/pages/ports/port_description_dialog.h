#pragma once

#include <QDialog>

#include "pages/ports/port_description_prompt.h"

class QLineEdit;

namespace velkor {

// "端口描述": asks for the text the selected ports get. The edit box takes at most 8 GBK bytes,
// which is 8 letters but only 4 Chinese characters.
class TPortDescription : public QDialog, public PortDescriptionPrompt {
  Q_OBJECT

 public:
  explicit TPortDescription(QWidget* parent = nullptr);

  // Opens empty and modal.
  std::optional<std::string> Ask() override;

  void Button1Click();
  void Button2Click();
  // Escape counts as "取消".
  void reject() override;

  bool Cancelled() const { return cancelled_ != 0; }

 private:
  QLineEdit* edit_;
  uint8_t cancelled_ = 0;
};

}  // namespace velkor
