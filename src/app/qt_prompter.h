#pragma once

#include "device/prompter.h"

class QWidget;

namespace velkor {

// Shows each prompt as a modal message box over parent.
class QtPrompter : public Prompter {
 public:
  explicit QtPrompter(QWidget* parent) : parent_(parent) {}
  Answer Show(const Prompt& prompt) override;

 private:
  QWidget* parent_;
};

}  // namespace velkor
