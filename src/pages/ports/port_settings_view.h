#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "pages/ports/port_settings_fields.h"

namespace velkor {

// One row of the port settings list: the port caption ("01", "G1") and its column texts in
// PortColumn order. Gigabit rows have no description cell.
struct PortSettingsRow {
  std::string caption;
  std::vector<std::string> cells;

  const std::string& Cell(PortColumn column) const;
  // Whether every cell read from the chip shows what the chip holds (no "?").
  bool Known() const;
};

// Which pop-up entries (one per column, in PortColumn order) can be chosen, and whether
// "1000M Full" is offered; none leaves its visibility as it was.
struct PortMenuState {
  std::array<bool, kPortColumnCount> enabled{};
  std::optional<bool> fullGigabitVisible;

  bool Enabled(PortColumn column) const { return enabled[static_cast<size_t>(column)]; }
};

// What the port settings logic needs of its list; the widget implements it, tests fake it.
class PortSettingsView {
 public:
  virtual ~PortSettingsView() = default;
  virtual void Repaint() = 0;
  // Replaces the whole list.
  virtual void SetRows(const std::vector<PortSettingsRow>& rows) = 0;
  // The selected rows in list order.
  virtual std::vector<size_t> SelectedRows() const = 0;
  virtual std::optional<size_t> FocusedRow() const = 0;
};

}  // namespace velkor
