#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "device/connection.h"
#include "pages/ports/port_settings.h"
#include "sim/segment.h"
#include "support/scripted_connection_ui.h"
#include "support/scripted_prompter.h"
#include "transport/memory_wire.h"

namespace velkor::testing {

// The port settings list as the logic fills it, with the selection and focus a test sets.
class FakePortSettingsView : public PortSettingsView {
 public:
  std::vector<PortSettingsRow> rows;
  std::vector<size_t> selected;
  std::optional<size_t> focused;
  int fills = 0;

  void Repaint() override {}
  void SetRows(const std::vector<PortSettingsRow>& r) override {
    rows = r;
    ++fills;
  }
  std::vector<size_t> SelectedRows() const override { return selected; }
  std::optional<size_t> FocusedRow() const override { return focused; }

  const std::string& Cell(size_t row, PortColumn column) const { return rows.at(row).Cell(column); }
  // The row captioned caption.
  size_t Row(const std::string& caption) const {
    const auto it = std::find_if(rows.begin(), rows.end(), [&](auto& r) { return r.caption == caption; });
    return static_cast<size_t>(it - rows.begin());
  }
};

// One emulated switch of the given model, connected with the factory password, and the port
// settings page on it, filled once.
class PortSettingsRig {
 public:
  explicit PortSettingsRig(uint8_t modelCode) {
    segment.AddSwitch({.modelCode = modelCode, .mac = kMac});
    wire.AddDevice({.name = "eth0"}, kHostMac, &segment);
    transport.link.EnumerateAdapters();
    transport.link.OpenChannels(0);
    transport.discovery.Discover();
    dialog.outcomes.push_back({ConnectOutcome::Kind::kConnect, kFactoryPassword, ""});
    connected = connection.ConnectToSwitch(0);
    page.FillPortSettings();
    Agent().ClearHistory();
  }

  sim::EmulatedSwitch& Switch() { return segment.Switch(0); }
  sim::ManagementAgent& Agent() { return segment.Agent(0); }
  const PortLayout& Layout() const { return identifier.Layout(); }

  // The sets the switch took of reg since the last clear.
  std::vector<uint32_t> WritesOf(uint16_t reg) {
    std::vector<uint32_t> values;
    for (const auto& w : Agent().Writes())
      if (w.reg == reg) values.push_back(w.value);
    return values;
  }
  size_t Sets() { return Agent().Frames().sets; }
  // The list row whose chip port is p.
  size_t RowOfChipPort(int p) const {
    for (size_t row = 0; row < Layout().RowCount(); ++row)
      if (Layout().ChipPortOfRow(row) == p) return row;
    return SIZE_MAX;
  }
  void Select(std::vector<size_t> rows) {
    view.selected = std::move(rows);
    view.focused = view.selected.empty() ? std::nullopt : std::optional(view.selected.front());
  }

  static constexpr Mac kMac{0x02, 0x10, 0x00, 0x00, 0x00, 0x01};
  static constexpr Mac kHostMac{0x02, 0x00, 0x00, 0x00, 0x00, 0x01};

  VirtualClock clock;
  sim::Segment segment{clock};
  MemoryWire wire{clock};
  std::ostringstream errors;
  BusyIndicator busy;
  TransportSession transport{wire, clock, errors, busy};
  SwitchIdentifier identifier{transport.discovery, transport.link, transport.engine, transport.access};
  ScriptedPrompter prompter;
  ScriptedConnectDialog dialog;
  CountingProgressUi progress;
  RecordingHooks hooks;
  Connection connection{transport, identifier, prompter, dialog, progress, busy, hooks};
  FakePortSettingsView view;
  PortSettings page{transport, connection, identifier, view};
  bool connected = false;
};

// The setting item a handler name names.
inline const PortSettingItem& Item(const std::string& handler) {
  for (const PortSettingItem& item : PortSettingItems())
    if (item.handler == handler) return item;
  ADD_FAILURE() << "no setting item " << handler;
  return PortSettingItems().front();
}

}  // namespace velkor::testing
