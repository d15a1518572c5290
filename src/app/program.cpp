#include "app/program.h"

#include "pages/engineering/diagnostics_page.h"
#include "pages/engineering/eeprom_writer_page.h"
#include "pages/engineering/general_info_page.h"
#include "pages/engineering/mac_address_page.h"
#include "pages/engineering/vlan_info_page.h"
#include "pages/ports/port_settings_page.h"
#include "pages/ports/port_settings_press_hook.h"
#include "pages/ports/port_statistics_page.h"
#include "pages/ports/port_status_page.h"
#include "pages/switch/global_settings_page.h"
#include "pages/switch/mirroring_page.h"
#include "pages/switch/qos_page.h"
#include "pages/switch/save_reset_page.h"
#include "pages/switch/security_page.h"
#include "pages/switch/switch_info_page.h"
#include "pages/vlan/vlan_mode_page.h"
#include "pages/vlan/vlan_table_pages.h"

namespace velkor {

Program::Program(TForm1& window, TransportSession& transport, ProgramDialogs dialogs, BusyIndicator& busy,
                 std::function<void()> onListingFailure)
    : window_(window),
      pages_(window.Pages()),
      shell_(transport, dialogs.prompter, dialogs.connect, dialogs.progress, busy, window,
             std::move(onListingFailure)),
      handlers_{
          .adapterChosen = [this] { shell_.SelectAdapter(); },
          .rediscoverRequested = [this] { shell_.OnRediscoverRequest(); },
          .closeAllowed = [this] { return shell_.CloseRequested(); },
          .networkSheetShown = [this] { shell_.NetworkSheetShow(); },
          .switchStatusSheetShown = [this] { statistics_.SwitchStatusSheetShow(); },
          .switchConfigurationSheetShown = [this] { portSettings_.SwitchConfigurationSheetShow(); },
          .systemSheetShown = [this] { saveReset_.SwitchInternalsSheetShow(); },
          .switchList =
              {
                  .refreshClicked = [this] { shell_.RefreshClick(); },
                  .rowDoubleClicked = [this](int row) { shell_.SwitchListDoubleClick(row); },
                  .connectChosen = [this](int row) { shell_.ConnectMenuClick(row); },
                  .connectEnabled = [this](int row) { return shell_.ConnectMenuEnabled(row); },
              },
      },
      statistics_(transport, shell_.Identifier(), shell_.GetConnection(), *pages_.portStatistics,
                  {.selectPages =
                       [this] {
                         window_.SelectPage(pages_.portStatistics);
                         window_.SelectPage(pages_.portSettings);
                       },
                   .pageInFront = [this] { return window_.PageInFront(pages_.portStatistics); }}),
      portSettings_(transport, shell_.GetConnection(), shell_.Identifier(), dialogs.prompter,
                    *pages_.portSettings),
      portDescriptions_(portSettings_, dialogs.portDescription, dialogs.progress, busy),
      switchDescription_(shell_.GetConnection(), transport.blocks, dialogs.prompter, busy,
                         *pages_.switchInfo),
      saveReset_(
          {transport, shell_.Identifier(), shell_.GetConnection(), dialogs.prompter, dialogs.progress, busy},
          statistics_, switchDescription_, *pages_.saveReset),
      configTransfer_(
          {transport, shell_.Identifier(), shell_.GetConnection(), dialogs.prompter, dialogs.progress, busy},
          switchDescription_, dialogs.configFiles),
      vlan_({transport, shell_.GetConnection(), shell_.Identifier(), dialogs.prompter}),
      features_{transport, shell_.GetConnection(), shell_.Identifier(), dialogs.prompter},
      engineering_{transport, shell_.Identifier(), dialogs.prompter, dialogs.progress, busy} {
  WireStatistics();
  WirePortSettings();
  WireMaintenance();
  WireVlan();
  WireSwitchFeatures();
  WireEngineering();
}

void Program::WireStatistics() {
  pages_.portStatistics->Attach(statistics_);
  pages_.portStatus->Attach(&portStatus_);
}

void Program::WirePortSettings() {
  pages_.portSettings->Attach(&portSettings_, &portDescriptions_);
  portSettings_.SetHooks(
      {.trunkingEnabledClick = [this] { TrunkingEnabledClick(portSettings_, vlan_.trunks); },
       .trunkingDisabledClick = [this] { TrunkingDisabledClick(portSettings_, vlan_.trunks); },
       .repaintSheet = [this] { window_.repaint(); },
       .selectPortSettingsPage = [this] { window_.SelectPage(pages_.portSettings); },
       .vlanPageShow = [this] { pages_.vlan->Fill(); },
       .vlanPageActive = [this] { return window_.PageInFront(pages_.vlan); },
       .revealVlanPage = [this] { window_.SetPageVisible(pages_.vlan, true); }});
  OnSheetTabsPressed(pages_.vlan, [this] { portSettings_.SwitchConfigurationPageControlMouseDown(); });
}

void Program::WireMaintenance() {
  pages_.switchInfo->SetChangeHandler([this] { switchDescription_.Button7Click(); });
  pages_.switchInfo->SetShowHandler([this] { switchDescription_.SwitchInfoConfigShow(); });
  pages_.switchInfo->SetTransferHandlers([this] { configTransfer_.BtnBackupClick(); },
                                         [this] { configTransfer_.BtnLoadClick(); });
  pages_.saveReset->SetHandlers({.factoryResetClicked = [this] { saveReset_.Button5Click(); },
                                 .saveClicked = [this] { saveReset_.Button24Click(); },
                                 .softResetClicked = [this] { saveReset_.Button19Click(); },
                                 .disconnectClicked = [this] { shell_.GetConnection().DisConnectBtnClick(); },
                                 .selectMaintenancePages =
                                     [this] {
                                       window_.SelectPage(pages_.saveReset);
                                       window_.SelectPage(pages_.portSettings);
                                     }});
}

// The VLAN page decides which table page the sheet shows: only that of the switch's mode, and the
// 802.1Q port mapping only while untagged frames are taken in.
void Program::WireVlan() {
  pages_.vlan->Attach(&vlan_.settings, &vlan_.tables, [this](const VlanPageState& state) {
    window_.SetPageVisible(pages_.portVlan, state.mode == VlanMode::kPortBased);
    window_.SetPageVisible(pages_.dot1qVlan, state.mode == VlanMode::kDot1q);
    pages_.dot1qVlan->SetMappingVisible(!state.dropUntagged);
  });
  pages_.portVlan->Attach(&vlan_.portBased, &vlan_.context.prompter);
  pages_.dot1qVlan->Attach(&vlan_.dot1q, &vlan_.context.prompter);
}

void Program::WireSwitchFeatures() {
  pages_.qos->Attach(&qos_);
  pages_.security->Attach(&security_);
  pages_.mirroring->Attach(&mirroring_);
  pages_.globalSettings->Attach(&globalSettings_);
}

void Program::WireEngineering() {
  pages_.generalInfo->Attach(&generalInfo_);
  pages_.vlanInfo->Attach(&vlanInfo_);
  pages_.diagnostics->Attach(&diagnostics_);
  pages_.eepromWriter->Attach(&eepromWriter_);
  pages_.macAddress->Attach(&macAddress_);
}

void Program::Start() {
  window_.SetHandlers(handlers_);
  shell_.SetPages(window_.ContractPages());
  shell_.SetSave([this] { return saveReset_.SaveSettings(); });
  shell_.SetUnsavedCheck([this] { return saveReset_.SettingsUnsaved(); });
  window_.show();
  shell_.Start();
}

}  // namespace velkor
