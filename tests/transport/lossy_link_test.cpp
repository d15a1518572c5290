// Logins and setting changes over a link that loses a tenth of the get replies, against the
// emulator on virtual time with fixed seeds: every read is asked again until it is answered, and
// nothing lost is ever taken for a value.

#include <gtest/gtest.h>

#include <string_view>

#include "device/model.h"
#include "pages/port_settings_rig.h"

namespace velkor::testing {
namespace {

constexpr int kTrials = 100;
constexpr int kMustComplete = 99;
constexpr sim::ReplyFault kLoseATenthOfGets{
    .kind = sim::FaultKind::kLose, .target = sim::FaultTarget::kGet, .chance = 0.1};

void StoreText(sim::EmulatedSwitch& sw, uint16_t addr, std::string_view text) {
  for (char c : text) sw.Eeprom().SetByte(addr++, static_cast<uint8_t>(c));
}

std::string_view Cached(std::span<const uint8_t> bytes, size_t n) {
  return {reinterpret_cast<const char*>(bytes.data()), n};
}

TEST(LossyLink, LoginsCompleteAndReadEveryByteAsStored) {
  EmulatedConnection<> rig(kModelF24A);
  ASSERT_TRUE(rig.connected);
  StoreText(rig.Switch(), 0x200, "core switch");
  StoreText(rig.Switch(), 0x22A + 8 * 23, "uplink");
  rig.Agent().Faults().Add(kLoseATenthOfGets);
  int completed = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    rig.connection.Disconnect(false);
    rig.transport.cache.Clear();
    rig.dialog.outcomes.push_back({ConnectOutcome::Kind::kConnect, kFactoryPassword, ""});
    rig.connection.ConnectToSwitch(0);
    if (!rig.connection.State().connected) continue;
    ++completed;
    EXPECT_EQ(Cached(rig.transport.cache.switchDescription, 11), "core switch");
    EXPECT_EQ(Cached(rig.transport.cache.ports[23], 6), "uplink");
  }
  EXPECT_GE(completed, kMustComplete);
}

TEST(LossyLink, SettingChangesCompleteAndWriteNothingElse) {
  PortSettingsRig rig(kModelF24A);
  const size_t row = rig.RowOfChipPort(3);  // shares its registers with chip port 2
  const std::vector<PortSettingsRow> before = rig.view.rows;
  rig.Select({row});
  rig.Agent().Faults().Add(kLoseATenthOfGets);
  const char* const cycle[] = {"RxBandwidth2MbpsClick",        "TxBandwidth8MbpsClick",
                               "AdvertisedSpeed10MFullClick",  "PauseFlowControlDisabledClick",
                               "RxBandwidthNoLimitClick",      "TxBandwidthNoLimitClick",
                               "AdvertisedSpeed100MFullClick", "PauseFlowControlBothTXRXClick"};
  int completed = 0;
  for (int trial = 0; trial < kTrials; ++trial) {
    const PortSettingItem& item = Item(cycle[trial % std::size(cycle)]);
    rig.page.SettingClick(item);
    completed += rig.prompter.shown.empty() && rig.view.Cell(row, item.column) == item.text;
    rig.prompter.shown.clear();
  }
  EXPECT_GE(completed, kMustComplete);

  // No other port took a change, not even chip port 2 whose bits share the registers.
  rig.Agent().Faults().Clear();
  rig.page.FillPortSettings();
  for (size_t r = 0; r < before.size(); ++r) {
    if (r == row) continue;
    EXPECT_EQ(rig.view.rows[r].cells, before[r].cells) << before[r].caption;
  }
}

}  // namespace
}  // namespace velkor::testing
