#pragma once

#include <functional>

#include "app/main_window.h"
#include "app/shell.h"
#include "pages/engineering/diagnostics.h"
#include "pages/engineering/eeprom_writer.h"
#include "pages/engineering/engineering_context.h"
#include "pages/engineering/general_info.h"
#include "pages/engineering/mac_address.h"
#include "pages/engineering/vlan_info.h"
#include "pages/ports/port_description_prompt.h"
#include "pages/ports/port_descriptions.h"
#include "pages/ports/port_settings.h"
#include "pages/ports/port_statistics.h"
#include "pages/ports/port_status.h"
#include "pages/switch/config_transfer.h"
#include "pages/switch/feature_context.h"
#include "pages/switch/global_settings.h"
#include "pages/switch/mirroring.h"
#include "pages/switch/qos.h"
#include "pages/switch/save_reset.h"
#include "pages/switch/security.h"
#include "pages/switch/switch_description.h"
#include "pages/vlan/vlan_logic.h"

namespace velkor {

// The dialogs and prompts the program shows, passed in so that tests script them.
struct ProgramDialogs {
  Prompter& prompter;
  ConnectDialog& connect;
  ProgressUi& progress;
  PortDescriptionPrompt& portDescription;
  ConfigFileDialogs& configFiles;
};

// The program as main() assembles it, with every seam passed in: the window and its dialogs, the
// transport on whatever wire, the prompts. Tests build the same assembly on the offscreen platform
// against the in-memory wire.
class Program {
 public:
  Program(TForm1& window, TransportSession& transport, ProgramDialogs dialogs, BusyIndicator& busy,
          std::function<void()> onListingFailure);

  Shell& GetShell() { return shell_; }

  // Hands the handlers to the window and the pages to the shell, shows the window and picks the
  // adapter.
  void Start();

 private:
  void WireStatistics();
  void WirePortSettings();
  void WireMaintenance();
  void WireVlan();
  void WireSwitchFeatures();
  void WireEngineering();

  TForm1& window_;
  const ShellPages& pages_;
  Shell shell_;
  ShellHandlers handlers_;
  PortStatistics statistics_;
  PortSettings portSettings_;
  PortDescriptions portDescriptions_;
  SwitchDescription switchDescription_;
  SaveReset saveReset_;
  ConfigTransfer configTransfer_;
  VlanLogic vlan_;
  FeatureContext features_;
  Qos qos_{features_};
  Security security_{features_};
  Mirroring mirroring_{features_};
  GlobalSettings globalSettings_{features_};
  PortStatus portStatus_{features_.transport, features_.connection, features_.identifier};
  EngineeringContext engineering_;
  GeneralInfo generalInfo_{engineering_.identifier};
  VlanInfo vlanInfo_{engineering_.transport.engine, engineering_.identifier};
  Diagnostics diagnostics_{engineering_.transport.access, engineering_.identifier};
  EepromWriter eepromWriter_{engineering_};
  MacAddressSetting macAddress_{engineering_};
};

}  // namespace velkor
