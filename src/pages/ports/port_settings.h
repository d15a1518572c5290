#pragma once

#include <functional>
#include <vector>

#include "device/connection.h"
#include "device/identification.h"
#include "device/outcome.h"
#include "device/prompter.h"
#include "pages/ports/port_settings_batch.h"
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

// Why a row does not take a setting item.
enum class RowRule { kTakes, kTrunkMember, kHalfDuplex, kNotGigabit };

// Whether switching off the port the computer manages the switch through is refused (the program)
// or was allowed by the user (velkorctl --force).
enum class ManagementPortRule { kRefuse, kAllow };

// The page "端口设置": every port's settings as the chip holds them, changed through the pop-up.
// It keeps no copy of the configuration; every change ends with a refill from the chip.
class PortSettings {
 public:
  PortSettings(TransportSession& transport, Connection& connection, const SwitchIdentifier& identifier,
               Prompter& prompter, PortSettingsView& view)
      : transport_(transport),
        connection_(connection),
        identifier_(identifier),
        prompter_(prompter),
        view_(view) {}

  void SetHooks(PortSettingsHooks hooks) { hooks_ = std::move(hooks); }

  void PortConfigurationPageShow() { FillPortSettings(); }
  // kSwitchLost when the connection check failed (the list then stays as it was), kNoAnswer when
  // some setting cell shows "?" because its register did not answer. Rows that decide a change are
  // read kConfirmed.
  Outcome FillPortSettings(BatchReads reads = BatchReads::kShown);

  // A setting item of the pop-up, applied to every selected row whose rules allow it (RuleOf);
  // switching off the management port is refused with a message unless rule allows it. kRefused
  // when some row was left out for that, kNotVerified when a written row does not show the item.
  Outcome SettingClick(const PortSettingItem& item, ManagementPortRule rule = ManagementPortRule::kRefuse);
  // "1000M Full": the first selected row that takes it only.
  Outcome AdvertisedSpeed1000MFullClick();
  void TrunkingEnabledClick();
  void TrunkingDisabledClick();
  PortMenuState PopupMenu2Popup() const;
  void BRestartAutoNegClick();

  void SwitchConfigurationSheetShow();
  void SwitchConfigurationPageControlMouseDown();

  // Whether row may take item, or why not: members of an enabled trunk group keep the group's
  // settings, pause is for a full-duplex mode and "1000M Full" for a gigabit port. The menu asks
  // it of the first selected row, the handlers of every row.
  RowRule RuleOf(size_t row, const PortSettingItem& item) const;
  // Whether row's port may take item as far as the management path goes: switching off the port
  // the computer reaches the switch through is refused with a message (kRefused) unless rule
  // allows it; kSwitchLost when the switch no longer answers the hello (the user has been told).
  Outcome ManagementCheck(size_t row, const PortSettingItem& item, ManagementPortRule rule);

  // For the pages and handlers that act on this list.
  const std::vector<PortSettingsRow>& Rows() const { return rows_; }
  std::vector<size_t> SelectedRows() const;
  // The chip port of a list row, found from its caption; -1 for no row.
  int ChipPortOfRow(size_t row) const;
  const PortLayout& Layout() const { return identifier_.Layout(); }
  TransportSession& Transport() { return transport_; }

 private:
  std::vector<PortSettingsRow> ReadRows(BatchReads reads);
  // Sets item on the rows that take it and do not show it yet, in one batch read and one flush,
  // then refills the list and checks that every written row shows it.
  Outcome ApplyToRows(const PortSettingItem& item, const std::vector<size_t>& rows, ManagementPortRule rule);

  TransportSession& transport_;
  Connection& connection_;
  const SwitchIdentifier& identifier_;
  Prompter& prompter_;
  PortSettingsView& view_;
  PortSettingsHooks hooks_;
  std::vector<PortSettingsRow> rows_;
};

}  // namespace velkor
