#include "transport/register_engine.h"

#include <gtest/gtest.h>

#include "support/transport_rig.h"

namespace velkor {
namespace {

using testing::FakeSwitch;
using testing::kHostMac;
using testing::kSwitchMac;

class RegisterEngineTest : public ::testing::Test {
 protected:
  FakeSwitch sw{kSwitchMac};
  testing::TransportRig rig{sw};
  RegisterEngine& engine = rig.engine;
  void SetUp() override {
    rig.Connect();
    rig.wire.ClearSent("eth0");
  }
  size_t FramesWithOpcode(uint8_t op) const {
    size_t n = 0;
    for (const auto& f : rig.Sent()) n += f[15] == op;
    return n;
  }
};

TEST_F(RegisterEngineTest, SingleReadReturnsTheReplyAndMarksItAnswered) {
  sw.registers[0x0207] = 0x00014140;
  const RegisterRead r = engine.ReadRegister(0x0207);
  EXPECT_TRUE(r.answered);
  EXPECT_EQ(r.value, 0x00014140u);
  EXPECT_EQ(r.Low16(), 0x4140);
}

TEST_F(RegisterEngineTest, LostReplyIsAskedForAgainBeforeItReadsAsUnansweredZero) {
  sw.silent.insert(0x0207);
  const uint64_t start = rig.clock.NowUs();
  const RegisterRead r = engine.ReadRegister(0x0207);
  EXPECT_FALSE(r.answered);
  EXPECT_EQ(r.value, 0u);
  EXPECT_EQ(sw.gets, RegisterEngine::kAsksPerRead);
  EXPECT_LE(rig.clock.NowUs() - start, 301'000u);
}

TEST_F(RegisterEngineTest, OverdueReplyIsAskedForAgainWithinMilliseconds) {
  sw.registers[0x0207] = 0x4140;
  sw.loseGets = 2;
  const uint64_t start = rig.clock.NowUs();
  const RegisterRead r = engine.ReadRegister(0x0207);
  EXPECT_TRUE(r.answered);
  EXPECT_EQ(r.value, 0x4140u);
  EXPECT_EQ(sw.gets, 3);
  EXPECT_LE(rig.clock.NowUs() - start, 4 * RegisterEngine::kReplyOverdueUs) << "waits 5 ms, then 10 ms";
}

TEST_F(RegisterEngineTest, LateReplyToAnEarlierAskAnswersTheRead) {
  sw.registers[0x0207] = 0x4140;
  sw.latencyUs = RegisterEngine::kReplyOverdueUs + 2000;
  const RegisterRead r = engine.ReadRegister(0x0207);
  EXPECT_TRUE(r.answered);
  EXPECT_EQ(r.value, 0x4140u);
  EXPECT_EQ(sw.gets, 2);
}

TEST_F(RegisterEngineTest, ReplyForAnotherRegisterDoesNotEndTheWaitForOurs) {
  sw.registers[0x0100] = 0x77;
  sw.answerAs[0x0100] = 0x0101;
  EXPECT_FALSE(engine.ReadRegister(0x0100).answered);
  // The stray reply arrives first; the real one, later, still counts.
  sw.answerAs.clear();
  sw.latencyUs = 5000;
  rig.wire.Inject("eth0", {rig.clock.NowUs() + 500, [] {
                             auto f = FakeSwitch::Reply(kHostMac, kSwitchMac, 0x81, false);
                             f[18] = 0x55;
                             return f;
                           }()});
  const RegisterRead r = engine.ReadRegister(0x0100);
  EXPECT_TRUE(r.answered);
  EXPECT_EQ(r.value, 0x77u);
}

TEST_F(RegisterEngineTest, StaleReplyToAnAbandonedReadIsNotTakenForTheNextRead) {
  sw.registers[0x0005] = 0xDEAD;
  sw.latencyUs = 400'000;  // arrives after the first read gave up
  EXPECT_FALSE(engine.ReadRegister(0x0005).answered);
  rig.clock.SleepMs(200);
  sw.latencyUs = 100;
  sw.registers[0x0005] = 0xBEEF;
  EXPECT_EQ(engine.ReadRegister(0x0005).value, 0xBEEFu);
}

TEST_F(RegisterEngineTest, LateReplyToAnEarlierReadIsNotTakenForTheNextRead) {
  sw.registers[0x0218] = 0x4100;
  sw.latencyUs = RegisterEngine::kReplyOverdueUs + 2000;  // each read asks twice; a reply stays due
  EXPECT_EQ(engine.ReadRegister(0x0218).value, 0x4100u);
  sw.registers[0x0218] = 0x4200;
  EXPECT_EQ(engine.ReadRegister(0x0218).value, 0x4200u);
}

TEST_F(RegisterEngineTest, TaggedAndDuplicatedRepliesAreAccepted) {
  sw.tagged = true;
  sw.duplicate = true;
  sw.registers[0x0208] = 0x0102;
  EXPECT_EQ(engine.ReadRegister(0x0208).value, 0x0102u);
  engine.BeginBatch();
  const int a = engine.QueueRead(0x0208);
  const int b = engine.QueueRead(0x0209);
  engine.TransmitBatch();
  EXPECT_TRUE(engine.BatchAnswered(a));
  EXPECT_TRUE(engine.BatchAnswered(b));
}

TEST_F(RegisterEngineTest, BatchQueuesDistinctRegistersOnceAndWaitsOnce) {
  for (uint16_t r = 0; r < 104; ++r) sw.registers[0x0600 + r] = r * 3u;
  engine.BeginBatch();
  for (uint16_t r = 0; r < 104; ++r) EXPECT_EQ(engine.QueueRead(0x0600 + r), r);
  EXPECT_EQ(engine.QueueRead(0x0600), 0);
  const uint64_t start = rig.clock.NowUs();
  engine.TransmitBatch();
  EXPECT_LT(rig.clock.NowUs() - start, 1000u) << "done when every entry is answered";
  EXPECT_EQ(FramesWithOpcode(0x01), 104u);
  EXPECT_EQ(engine.BatchValue(7), 21u);
  EXPECT_EQ(engine.BatchBits(7, 0x5), 5u);
}

TEST_F(RegisterEngineTest, LostBatchReplyIsRecordedPerEntry) {
  sw.registers = {{0x10, 1}, {0x11, 2}, {0x12, 3}};
  sw.silent.insert(0x11);
  engine.BeginBatch();
  for (uint16_t r : {0x10, 0x11, 0x12}) engine.QueueRead(r);
  engine.TransmitBatch();
  EXPECT_TRUE(engine.BatchAnswered(0));
  EXPECT_FALSE(engine.BatchAnswered(1));
  EXPECT_EQ(engine.BatchValue(1), 0u);
  EXPECT_TRUE(engine.BatchAnswered(2));
}

TEST_F(RegisterEngineTest, BatchAsksAgainForItsUnansweredEntriesOnly) {
  sw.registers = {{0x10, 1}, {0x11, 2}, {0x12, 3}};
  sw.loseGets = 2;  // the first two asks of the batch
  engine.BeginBatch();
  for (uint16_t r : {0x10, 0x11, 0x12}) engine.QueueRead(r);
  const uint64_t start = rig.clock.NowUs();
  engine.TransmitBatch();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(engine.BatchValue(i), i + 1u);
  EXPECT_EQ(sw.gets, 5);
  EXPECT_LE(rig.clock.NowUs() - start, 2 * RegisterEngine::kReplyOverdueUs);
}

TEST_F(RegisterEngineTest, LateAndRepeatedRepliesNeverOverwriteABatchValue) {
  sw.registers = {{0x10, 0x0F}, {0x11, 2}};
  sw.latencyUs = RegisterEngine::kReplyOverdueUs + 2000;  // each entry is asked twice
  sw.duplicate = true;
  engine.BeginBatch();
  const int a = engine.QueueRead(0x10);
  engine.TransmitBatch();
  ASSERT_EQ(engine.BatchValue(a), 0x0Fu);
  engine.SetBatchBits(a, 0x01, 0);
  // The second ask's reply and the copies arrive while the next transmission waits.
  const int b = engine.QueueRead(0x11);
  engine.TransmitBatch();
  EXPECT_EQ(engine.BatchValue(b), 2u);
  EXPECT_EQ(engine.BatchValue(a), 0x0Eu);
}

TEST_F(RegisterEngineTest, FreshReadTakesNoReplyThatCameBeforeItsFence) {
  sw.duplicate = true;
  uint32_t asked = 0;
  sw.onGet = [&](uint16_t reg, uint32_t value) { return reg == 0x10 ? ++asked : value; };
  const std::vector<uint16_t> regs{0x10};
  const std::vector<FencedRead> read = engine.ReadFresh(regs, 0x0207);
  ASSERT_EQ(read.size(), 1u);
  EXPECT_EQ(read[0].first.value, 1u);
  EXPECT_TRUE(read[0].fresh.answered);
  EXPECT_EQ(read[0].fresh.value, 2u) << "the first ask's copy came before the fence's reply";
  EXPECT_EQ(sw.gets, 3);

  // One lost reply breaks the order: nothing is taken, and nothing asked again.
  sw.duplicate = false;
  rig.clock.SleepMs(1);
  sw.silent.insert(0x0207);
  sw.gets = 0;
  EXPECT_FALSE(engine.ReadFresh(regs, 0x0207)[0].fresh.answered);
  EXPECT_EQ(sw.gets, 3);
}

TEST_F(RegisterEngineTest, SetBatchBitsAndFlushWriteOnlyChangedRegisters) {
  sw.registers = {{0x0000, 0xFFFF}, {0x0001, 0x1234}};
  engine.BeginBatch();
  const int a = engine.QueueRead(0x0000);
  engine.QueueRead(0x0001);
  engine.TransmitBatch();
  engine.SetBatchBits(a, 0x0002, 0);
  EXPECT_EQ(engine.BatchValue(a), 0xFFFDu);
  rig.wire.ClearSent("eth0");
  engine.FlushBatch();
  ASSERT_EQ(sw.writes.size(), 1u);
  EXPECT_EQ(sw.writes[0], std::make_pair(uint16_t{0}, uint32_t{0xFFFD}));
  EXPECT_EQ(FramesWithOpcode(0x01), 0u);  // a flush reads nothing back
  rig.wire.ClearSent("eth0");
  engine.FlushBatch();
  EXPECT_TRUE(rig.Sent().empty());
}

TEST_F(RegisterEngineTest, RepliesExpectedFlagSkipsReadingAfterAWriteOnly) {
  engine.BeginBatch();
  engine.QueueWrite(0x0300, 1);
  const uint64_t start = rig.clock.NowUs();
  engine.TransmitBatch();
  EXPECT_EQ(rig.clock.NowUs() - start, 0u);  // nothing to wait for
  engine.QueueRead(0x0300);
  engine.TransmitBatch();
  EXPECT_TRUE(engine.BatchAnswered(0));
  EXPECT_EQ(engine.BatchValue(0), 1u);
}

TEST_F(RegisterEngineTest, BatchTableIsBounded) {
  engine.BeginBatch();
  for (int r = 0; r < 1024; ++r) ASSERT_EQ(engine.QueueRead(static_cast<uint16_t>(r)), r);
  EXPECT_EQ(engine.QueueRead(2000), -1);
  EXPECT_EQ(engine.BatchSize(), 1024u);
  EXPECT_EQ(engine.BatchValue(-1), 0u);
  engine.BatchValue(-1) = 5;  // writes go to scratch, never into the table
  EXPECT_EQ(engine.BatchValue(5000), 0u);
  engine.SetBatchBits(-1, 0xFFFF, 0xFFFF);
  rig.wire.ClearSent("eth0");
  engine.FlushBatch();
  EXPECT_TRUE(rig.Sent().empty());
}

TEST_F(RegisterEngineTest, SendQueueOverflowIsRefusedWithTheWarning) {
  engine.BeginBatch();
  const size_t fits = kSendQueueBytes / kQueuedFrameBytes;
  for (size_t i = 0; i < fits; ++i) ASSERT_EQ(engine.QueueWrite(1, 1), 0);
  EXPECT_EQ(engine.QueueWrite(1, 1), -1);
  EXPECT_NE(rig.errors.str().find("Warning: packet buffer too small, not all the packets will be sent.\n"),
            std::string::npos);
}

}  // namespace
}  // namespace velkor
