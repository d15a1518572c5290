#pragma once

#include <functional>
#include <vector>

#include "device/connection.h"
#include "device/identification.h"
#include "pages/ports/port_settings_items.h"
#include "pages/ports/port_settings_view.h"

namespace velkor {

// What the page asks of the rest of the program; an unset entry does nothing (and an unset query
// answers false).
struct PortSettingsHooks {
  // The trunk sub-menu's "启用" and "禁止".
  std::function<void()> trunkingEnabledClick;
  std::function<void()> trunkingDisabledClick;
  // The "交换机功能设置" sheet: redraw it, bring this page to the front, show the VLAN page.
  std::function<void()> repaintSheet;
  std::function<void()> selectPortSettingsPage;
  std::function<void()> vlanPageShow;
  // Whether the VLAN page is the sheet's current page, and making it visible.
  std::function<bool()> vlanPageActive;
  std::function<void()> revealVlanPage;
};

// The page "端口设置": every port's settings as the chip holds them, changed through the pop-up.
// It keeps no copy of the configuration; every change ends with a refill from the chip.
class PortSettings {
 public:
  PortSettings(TransportSession& transport, Connection& connection, const SwitchIdentifier& identifier,
               PortSettingsView& view)
      : transport_(transport), connection_(connection), identifier_(identifier), view_(view) {}

  void SetHooks(PortSettingsHooks hooks) { hooks_ = std::move(hooks); }

  void PortConfigurationPageShow() { FillPortSettings(); }
  // False when the connection check failed; the list then stays as it was.
  bool FillPortSettings();

  // A setting item of the pop-up, applied to every selected row.
  void SettingClick(const PortSettingItem& item);
  // "1000M Full": the first selected row only.
  void AdvertisedSpeed1000MFullClick();
  void TrunkingEnabledClick();
  void TrunkingDisabledClick();
  PortMenuState PopupMenu2Popup() const;
  void BRestartAutoNegClick();

  void SwitchConfigurationSheetShow();
  void SwitchConfigurationPageControlMouseDown();

  // For the pages and handlers that act on this list.
  const std::vector<PortSettingsRow>& Rows() const { return rows_; }
  std::vector<size_t> SelectedRows() const;
  // The chip port of a list row, found from its caption; -1 for no row.
  int ChipPortOfRow(size_t row) const;
  const PortLayout& Layout() const { return identifier_.Layout(); }
  TransportSession& Transport() { return transport_; }

 private:
  std::vector<PortSettingsRow> ReadRows();
  // Sets item on rows whose column does not show it yet, in one batch read and one flush.
  void ApplyToRows(const PortSettingItem& item, const std::vector<size_t>& rows);

  TransportSession& transport_;
  Connection& connection_;
  const SwitchIdentifier& identifier_;
  PortSettingsView& view_;
  PortSettingsHooks hooks_;
  std::vector<PortSettingsRow> rows_;
};

}  // namespace velkor
