#include "wire_tally.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/run_ctl.h"
#include "sim/segment.h"
#include "support/scripted_terminal.h"
#include "testing/virtual_clock.h"
#include "transport/register_image.h"
#include "transport/transport_session.h"

namespace velkor::bench {
namespace {

constexpr Mac kHost{0x02, 0, 0, 0, 0, 0x01};

class WireTallyTest : public ::testing::Test {
 protected:
  WireTallyTest() {
    segment.AddSwitch({.modelCode = 3});
    wire.AddDevice({"veth0", "", 0x0A000001u}, kHost, &segment);
  }
  sim::EmulatedSwitch& Switch() { return segment.Switch(0); }

  VirtualClock clock;
  MemoryWire wire{clock};
  sim::Segment segment{clock};
  WireTally tally{wire, clock};
};

// The count must agree with what the switch took in, however many frames an action sends.
TEST_F(WireTallyTest, FullSaveIsCountedAsTheSwitchReceivedIt) {
  for (uint16_t a = kConfigBlockStart; a < kConfigBlockStart + kConfigBlockSize; ++a)
    Switch().Eeprom().SetByte(a, static_cast<uint8_t>(~Switch().Eeprom().Byte(a)));
  segment.Agent(0).ClearHistory();
  testing::ScriptedTerminal terminal;
  std::ostringstream out, err;
  ASSERT_EQ(cli::RunCtl({"save", "--password", "vemix"}, tally, clock, terminal, out, err), 0) << err.str();

  const WireCount count = tally.Take(50);
  const sim::FrameCounts& received = segment.Agent(0).Frames();
  const auto& writes = segment.Agent(0).Writes();
  const auto eepromWrites = std::count_if(writes.begin(), writes.end(), [](const sim::ReceivedWrite& w) {
    return w.reg == 0x0217 && !(w.value & 0x0800);
  });
  EXPECT_EQ(count.frames, static_cast<int>(received.gets + received.sets));
  EXPECT_EQ(count.eepromWrites, eepromWrites);
  EXPECT_EQ(count.eepromWrites, static_cast<int>(kConfigBlockSize));
}

TEST_F(WireTallyTest, GetsSentTogetherAreOneRoundTrip) {
  std::ostringstream errors;
  BusyIndicator busy;
  TransportSession t(tally, clock, errors, busy);
  t.link.EnumerateAdapters();
  ASSERT_EQ(t.link.OpenChannels(0), 0);
  t.discovery.Discover();
  t.discovery.Select(0);
  t.link.SetRegisterFilter(t.discovery.SelectedMac());

  tally.Start();
  t.engine.BeginBatch();
  for (uint16_t reg = 0x030C; reg < 0x030C + 10; ++reg) t.engine.QueueRead(reg);
  t.engine.TransmitBatch();
  t.engine.ReadRegister(0x0207);
  const WireCount count = tally.Take(50);  // the emulator answers after 100 us
  EXPECT_EQ(count.frames, 11);
  EXPECT_EQ(count.roundTrips, 2);
}

}  // namespace
}  // namespace velkor::bench
