#pragma once

#include <string>

#include "device/port_layout.h"

namespace velkor {

// What connecting and disconnecting do to the rest of the program: the main window's controls,
// the adapter pick, and the pages that keep state across a connection.
class ConnectionHooks {
 public:
  virtual ~ConnectionHooks() = default;

  // Re-enumerates, reopens the channels, rediscovers and refills the lists.
  virtual void RedoAdapterPick() = 0;
  // Password-change group, save-group caption, mirroring page and VLAN items per model.
  virtual void ApplyModelControls(bool microcontrollerModel) = 0;
  virtual void SetConnectedLabel(const std::string& text) = 0;
  virtual void EnableAdapterSelector(bool enabled) = 0;
  // The window side of making the switch pages available: statistics buttons, sheets, VLAN page.
  virtual void ShowSwitchPages() = 0;
  // Hides the switch sheets; the statistics timer stops.
  virtual void HideSwitchPages() = 0;
  virtual void StopStatisticsTimer() = 0;
  virtual void PostRediscoverRequest() = 0;
  virtual void PostCloseRequest() = 0;
  virtual void RedrawSwitchInformation() = 0;
  // Connecting starts both VLAN tables afresh for the identified layout.
  virtual void ResetVlanTables(const PortLayout& layout, bool microcontrollerModel) = 0;
  // Saves the settings (the save page's procedure); true when they were saved.
  virtual bool SaveSettings() = 0;
  // "断开连接" zeroes the statistics counts of the Fast Ethernet rows.
  virtual void ZeroStatisticsCounts() = 0;
};

}  // namespace velkor
