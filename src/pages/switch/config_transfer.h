#pragma once

#include <optional>
#include <string>

#include "device/config_file.h"
#include "device/outcome.h"
#include "pages/switch/save_reset.h"
#include "pages/switch/switch_description.h"

namespace velkor {

// The file dialogs of the export and import group; none when the user cancels.
class ConfigFileDialogs {
 public:
  virtual ~ConfigFileDialogs() = default;
  // Default name "config", extension ".bin", filter "*.bin".
  virtual std::optional<std::string> SaveFileName() = 0;
  // Default name "config.bin", filter "*.bin".
  virtual std::optional<std::string> OpenFileName() = 0;
};

// Backs the switch's EEPROM up to a file and restores it. The file carries everything but the
// connection password; an import keeps the switch's own MAC address and model byte as well.
class ConfigTransfer {
 public:
  ConfigTransfer(const MaintenanceContext& context, SwitchDescription& description,
                 ConfigFileDialogs& dialogs)
      : c_(context), description_(description), dialogs_(dialogs) {}

  // "导出配置文件" and "导入配置文件": the dialog, then the work; kNotConfirmed when cancelled.
  Outcome BtnBackupClick();
  Outcome BtnLoadClick();

  // kDone only when every byte was read and the file is in place; otherwise no file is left.
  Outcome Export(const std::string& path);
  // Asks first unless confirmed; kDone only when every byte written reads back as the file has it.
  Outcome Import(const std::string& path, bool confirmed);

  // The switch's EEPROM image as an export carries it; none when a byte stays unanswered.
  std::optional<ConfigFileImage> ReadImage(Progress* progress);
  // The name files for the connected switch carry.
  std::string_view ModelName() const;

 private:
  bool WriteImage(ConfigFileImage image, Progress& progress);
  void RefillDescriptionCaches(const ConfigFileImage& image);
  Outcome RestartAfterImport();

  MaintenanceContext c_;
  SwitchDescription& description_;
  ConfigFileDialogs& dialogs_;
};

}  // namespace velkor
