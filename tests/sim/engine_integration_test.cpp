// The emulator driven by the system's own transport, on virtual time.

#include <gtest/gtest.h>

#include <sstream>

#include "raw_frames.h"
#include "sim/segment.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"
#include "transport/confirmed_read.h"
#include "transport/discovery.h"
#include "transport/link.h"
#include "transport/register_engine.h"
#include "transport/switch_access.h"

namespace velkor::sim {
namespace {

constexpr Mac kTop{0x02, 0x10, 0x00, 0x00, 0x00, 0x01};
constexpr Mac kMiddle{0x02, 0x10, 0x00, 0x00, 0x00, 0x02};
constexpr Mac kBottom{0x02, 0x10, 0x00, 0x00, 0x00, 0x03};

class EngineIntegrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    segment.AddSwitch({.modelCode = 2, .mac = kTop});
    segment.AddSwitch({.modelCode = 6, .mac = kMiddle, .parent = Upstream{0, 10}});
    segment.AddSwitch({.modelCode = 3, .mac = kBottom, .localPort = 4, .parent = Upstream{1, 20}});
    wire.AddDevice({.name = "eth0"}, testing::kHost, &segment);
    ASSERT_EQ(link.EnumerateAdapters(), 0);
    ASSERT_EQ(link.OpenChannels(0), 0);
    discovery.Discover();
  }

  void Select(const Mac& mac) {
    for (size_t i = 0; i < discovery.SwitchCount(); ++i)
      if (discovery.Switch(i)->mac == mac) discovery.Select(i);
    ASSERT_EQ(discovery.SelectedMac(), mac);
    ASSERT_EQ(link.SetRegisterFilter(mac), 0);
  }

  VirtualClock clock;
  Segment segment{clock};
  MemoryWire wire{clock};
  std::ostringstream errors;
  Link link{wire, errors};
  Discovery discovery{link, clock};
  RegisterEngine engine{link, discovery, clock};
  BusyIndicator busy;
  SwitchAccess access{engine, busy};
};

TEST_F(EngineIntegrationTest, DiscoversTheCascade) {
  ASSERT_EQ(discovery.HelloRecordCount(), 3u);
  ASSERT_EQ(discovery.SwitchCount(), 3u);
  const HelloRecord& bottom = *discovery.Hello(2);
  EXPECT_EQ(bottom.switchMac, kBottom);
  EXPECT_EQ(bottom.localPort, 4);
  EXPECT_EQ(bottom.peerPort, 20);
  EXPECT_EQ(bottom.peerMac, kMiddle);
  EXPECT_EQ(discovery.Hello(0)->peerMac, kZeroMac);
  EXPECT_EQ(discovery.ModelCode(0), 2);
  EXPECT_EQ(discovery.ModelCode(1), 6);
  EXPECT_EQ(discovery.ModelCode(2), 3);
}

TEST_F(EngineIntegrationTest, AHelloFloodHidesNoSwitchAndNeverTheSelectedOne) {
  segment.Agent(0).Faults().Add({.kind = FaultKind::kHelloFlood, .floodCount = 1000});
  const auto listed = [&] {
    std::vector<Mac> macs;
    for (size_t i = 0; i < discovery.SwitchCount(); ++i) macs.push_back(discovery.Switch(i)->mac);
    return macs;
  };
  const std::vector<Mac> real{kTop, kMiddle, kBottom};
  Discovery fresh(link, clock);
  fresh.Discover();
  ASSERT_EQ(fresh.SwitchCount(), 3u);
  EXPECT_EQ(fresh.Switch(2)->mac, kBottom);

  Select(kMiddle);
  // The selected switch stays even when its proof is lost.
  segment.Agent(1).Faults().Add({.kind = FaultKind::kLose, .target = FaultTarget::kGet, .reg = 0x0207});
  ASSERT_EQ(discovery.RefindSelectedSwitch(), 0);
  EXPECT_EQ(listed(), real);
  EXPECT_EQ(discovery.HelloRecordCount(), 3u);
  EXPECT_EQ(discovery.IsManagementPort(segment.Switch(1).LocalPort()), 1);
}

TEST_F(EngineIntegrationTest, StaleCopiesOfEarlierRepliesDecideNoEepromByte) {
  Select(kTop);
  sim::EmulatedSwitch& sw = segment.Switch(0);
  for (uint16_t a = 0x300; a < 0x340; ++a) sw.Eeprom().SetByte(a, static_cast<uint8_t>(a * 7));
  // Copies of an earlier exchange's replies can line up in the order of the next one, and a reply
  // held back can come in any place.
  segment.Agent(0).Faults().Add({.kind = FaultKind::kDuplicate, .chance = 0.1});
  segment.Agent(0).Faults().Add({.kind = FaultKind::kDelay, .chance = 0.1, .delayUs = 3000});
  for (int pass = 0; pass < 30; ++pass)
    for (uint16_t a = 0x300; a < 0x340; ++a)
      ASSERT_EQ(access.ReadEepromByte(a), static_cast<uint8_t>(a * 7)) << a;
  segment.Agent(0).Faults().Clear();
  segment.Agent(0).Faults().Add({.kind = FaultKind::kStale, .chance = 0.5});
  for (int pass = 0; pass < 3; ++pass)
    for (uint16_t a = 0x300; a < 0x340; ++a)
      ASSERT_EQ(access.ReadEepromByte(a), static_cast<uint8_t>(a * 7)) << a;
  for (uint16_t a = 0x300; a < 0x340; ++a) ASSERT_TRUE(access.WriteEepromByte(a, static_cast<uint8_t>(a)));
  for (uint16_t a = 0x300; a < 0x340; ++a) ASSERT_EQ(sw.Eeprom().Byte(a), static_cast<uint8_t>(a)) << a;
}

TEST_F(EngineIntegrationTest, ABatchThatDecidesIsReadAgainUntilTwoReadsAgree) {
  Select(kTop);
  sim::EmulatedSwitch& sw = segment.Switch(0);
  const std::vector<uint16_t> regs{0x020A, 0x020B, 0x020C, 0x020D};
  for (uint16_t r : regs) sw.Poke(r, 1);
  ReadBatch(engine, regs);
  for (uint16_t r : regs) sw.Poke(r, 2);
  // Every reply comes after a copy of the one before it: the first read takes the 1s.
  segment.Agent(0).Faults().Add({.kind = FaultKind::kStale});
  for (const RegisterRead& read : ReadBatchConfirmed(engine, regs)) {
    EXPECT_TRUE(read.answered);
    EXPECT_EQ(read.value, 2u);
  }
}

TEST_F(EngineIntegrationTest, EepromAccessWaitsOutTheBusyBit) {
  Select(kTop);
  EXPECT_EQ(access.ReadEepromByte(0x01C), 2);
  EXPECT_EQ(access.ReadEepromByte(0x0817), 0x01) << "11-bit address";
  ASSERT_TRUE(access.WriteEepromByte(0x200, 'Q'));
  EXPECT_EQ(segment.Switch(0).Eeprom().Byte(0x200), 'Q');
  EXPECT_EQ(access.ReadEepromByte(0x200), 'Q');

  segment.Switch(0).Eeprom().StickByte(0x201);
  ASSERT_TRUE(access.WriteEepromByte(0x201, 'R'));
  EXPECT_EQ(access.ReadEepromByte(0x201), 0) << "only a read-back shows the stuck byte";

  segment.Switch(0).Eeprom().Busy().SetStuck(true);
  EXPECT_FALSE(access.ReadEepromByte(0x01C));
}

TEST_F(EngineIntegrationTest, ReadsPhysThroughTheCommandRegister) {
  Select(kTop);
  EXPECT_EQ(access.ReadPhyRegister(8, 0), 0x3100);
  EXPECT_EQ(access.ReadPhyRegister(22, 0), 0xFFFF);
  ASSERT_TRUE(access.WritePhyRegister(9, 4, 0x0061));
  EXPECT_EQ(access.ReadPhyRegister(9, 4), 0x0061);
  segment.Switch(0).Phys().Busy().SetStuck(true);
  EXPECT_FALSE(access.ReadPhyRegister(8, 0));
}

TEST_F(EngineIntegrationTest, CountersWrapBetweenBatchReads) {
  Select(kBottom);
  EmulatedSwitch& sw = segment.Switch(2);
  sw.Poke(0x0702, 0x0001);  // chip port 4: receive in frames
  sw.SetTraffic(4, Counter::kReceive, {.frames = 32});
  sw.SetCounter(4, Counter::kReceive, 0xFFFFFFF0u);
  // What a statistics refresh reads: every counter of every port in one batch.
  auto readPort4 = [&] {
    engine.BeginBatch();
    int port4 = -1;
    for (uint16_t q = 0; q < 26; ++q) {
      const int rx = engine.QueueRead(static_cast<uint16_t>(0x070D + q));
      engine.QueueRead(static_cast<uint16_t>(0x0727 + q));
      engine.QueueRead(static_cast<uint16_t>(0x0741 + q));
      if (q == 4) port4 = rx;
    }
    engine.TransmitBatch();
    EXPECT_TRUE(engine.BatchAnswered(port4));
    return engine.BatchValue(port4);
  };
  const uint64_t start = clock.NowUs();
  const uint32_t first = readPort4();
  clock.AdvanceTo(start + 1000000);  // a second from one request to the next
  const uint32_t second = readPort4();
  EXPECT_LT(second, first) << "the counter wrapped";
  EXPECT_EQ(second - first, 32u) << "one second of frames, modulo 2^32";
}

TEST_F(EngineIntegrationTest, MicrocontrollerTakesTheSaveCommand) {
  Select(kMiddle);
  engine.WriteRegister(0x060A, 0x2222);
  EXPECT_EQ(access.Comm2MCU(0x0004), MailboxResult::kAccepted);
  EXPECT_EQ(access.Comm2MCU(0x0004), MailboxResult::kBusy);
  clock.SleepUs(600000);
  EXPECT_EQ(access.CheckCommRegBit(0x0004), false);
  segment.PowerCycleAll();
  EXPECT_EQ(engine.ReadRegister(0x060A).value, 0x2222u);
}

TEST_F(EngineIntegrationTest, RefindStillFindsTheSwitchAfterMoreRepliesThanACaptureBufferHolds) {
  Select(kTop);
  // 9,216 replies, more than a channel buffers; each also reaches the discovery channel, which
  // nothing reads in between.
  for (int batch = 0; batch < 9; ++batch) {
    engine.BeginBatch();
    for (uint16_t r = 0; r < kMaxBatchEntries; ++r) engine.QueueRead(r);
    engine.TransmitBatch();
  }
  EXPECT_EQ(discovery.RefindSelectedSwitch(), 0);
}

TEST_F(EngineIntegrationTest, LostRepliesAreNotAnswers) {
  Select(kTop);
  segment.Agent(0).Faults().Add({.kind = FaultKind::kLose, .target = FaultTarget::kGet, .everyNth = 2});
  EXPECT_TRUE(engine.ReadRegister(0x0207).answered);
  EXPECT_TRUE(engine.ReadRegister(0x0207).answered) << "asked again after the lost reply";
  segment.Agent(0).Faults().Clear();
  segment.Agent(0).Faults().Add({.kind = FaultKind::kLose, .target = FaultTarget::kGet});
  EXPECT_FALSE(engine.ReadRegister(0x0207).answered);
  segment.Agent(0).Faults().Clear();
  segment.Agent(0).Faults().Add({.kind = FaultKind::kTag, .vid = 3});
  EXPECT_EQ(engine.ReadRegister(0x0208).value, 2u) << "a tagged reply is read like an untagged one";
}

}  // namespace
}  // namespace velkor::sim
