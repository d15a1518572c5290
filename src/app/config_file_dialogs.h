#pragma once

#include "pages/switch/config_transfer.h"

class QWidget;

namespace velkor {

// The configuration files' save and open dialogs.
class QtConfigFileDialogs : public ConfigFileDialogs {
 public:
  explicit QtConfigFileDialogs(QWidget* parent) : parent_(parent) {}

  std::optional<std::string> SaveFileName() override;
  std::optional<std::string> OpenFileName() override;

 private:
  QWidget* parent_;
};

}  // namespace velkor
