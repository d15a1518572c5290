#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "pages/switch/feature_context.h"
#include "support/emulated_connection.h"

namespace velkor::testing {

// One emulated switch of the given model, connected, with the switch-feature pages' context.
struct FeatureRig : EmulatedConnection<> {
  explicit FeatureRig(uint8_t modelCode) : EmulatedConnection(modelCode) {}

  const PortLayout& Layout() const { return identifier.Layout(); }
  // The row of the list that shows chip port p.
  size_t RowOf(int p) const {
    for (size_t row = 0; row < Layout().RowCount(); ++row)
      if (Layout().ChipPortOfRow(row) == p) return row;
    return Layout().RowCount();
  }
  void Clear() {
    Agent().ClearHistory();
    prompter.shown.clear();
  }

  FeatureContext context{transport, connection, identifier, prompter};
};

}  // namespace velkor::testing
