#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "pages/ports/port_settings.h"
#include "support/emulated_connection.h"

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
class PortSettingsRig : public EmulatedConnection<> {
 public:
  explicit PortSettingsRig(uint8_t modelCode) : EmulatedConnection(modelCode) {
    page.FillPortSettings();
    Agent().ClearHistory();
  }

  const PortLayout& Layout() const { return identifier.Layout(); }

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

  FakePortSettingsView view;
  PortSettings page{transport, connection, identifier, prompter, view};
};

// The setting item a handler name names.
inline const PortSettingItem& Item(const std::string& handler) {
  for (const PortSettingItem& item : PortSettingItems())
    if (item.handler == handler) return item;
  ADD_FAILURE() << "no setting item " << handler;
  return PortSettingItems().front();
}

}  // namespace velkor::testing
