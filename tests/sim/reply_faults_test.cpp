#include "sim/reply_faults.h"

#include <gtest/gtest.h>

#include <set>

#include "raw_frames.h"
#include "sim/segment.h"
#include "testing/virtual_clock.h"

namespace velkor::sim {
namespace {

using testing::RawRequest;

constexpr Mac kSwitch{0x02, 0x10, 0x00, 0x00, 0x00, 0x01};

class ReplyFaultsTest : public ::testing::Test {
 protected:
  void SetUp() override { segment.AddSwitch({.modelCode = 2, .mac = kSwitch}); }

  // Which of n gets of 0x0207 were answered.
  std::vector<bool> Answered(int n) {
    std::vector<bool> answered;
    for (int i = 0; i < n; ++i) answered.push_back(host.Read(kSwitch, 0x0207).has_value());
    return answered;
  }

  ReplyFaults& Faults() { return segment.Agent(0).Faults(); }

  VirtualClock clock;
  Segment segment{clock};
  testing::RawHost host{segment, clock};
};

TEST_F(ReplyFaultsTest, LosesEveryNthOrARunOfReplies) {
  Faults().Add({.kind = FaultKind::kLose, .everyNth = 3});
  EXPECT_EQ(Answered(6), (std::vector<bool>{true, true, false, true, true, false}));
  Faults().Clear();
  Faults().Add({.kind = FaultKind::kLose, .from = 2, .count = 2});
  EXPECT_EQ(Answered(5), (std::vector<bool>{true, false, false, true, true}));
}

TEST_F(ReplyFaultsTest, LosesByChanceRepeatablyForOneSeed) {
  Faults().Add({.kind = FaultKind::kLose, .chance = 0.25});
  const std::vector<bool> first = Answered(2000);
  const auto lost = std::count(first.begin(), first.end(), false);
  EXPECT_GT(lost, 400);
  EXPECT_LT(lost, 600);

  Segment again(clock);
  again.AddSwitch({.modelCode = 2, .mac = kSwitch});
  again.Agent(0).Faults().Add({.kind = FaultKind::kLose, .chance = 0.25});
  testing::RawHost otherHost(again, clock);
  for (bool expected : first) ASSERT_EQ(otherHost.Read(kSwitch, 0x0207).has_value(), expected);
}

TEST_F(ReplyFaultsTest, TargetsHelloOrGetAlone) {
  Faults().Add({.kind = FaultKind::kLose, .target = FaultTarget::kHello});
  EXPECT_TRUE(host.Send(testing::RawHello()).empty());
  EXPECT_TRUE(host.Read(kSwitch, 0x0207));
}

TEST_F(ReplyFaultsTest, TargetsTheGetsOfOneRegisterAndCountsOnlyThose) {
  Faults().Add({.kind = FaultKind::kLose, .from = 2, .count = 1, .reg = 0x0208});
  EXPECT_TRUE(host.Read(kSwitch, 0x0208));
  EXPECT_EQ(Answered(3), (std::vector<bool>{true, true, true}));
  EXPECT_FALSE(host.Read(kSwitch, 0x0208));
  EXPECT_FALSE(host.Send(testing::RawHello()).empty());
}

TEST_F(ReplyFaultsTest, DelaysDuplicatesAndTagsReplies) {
  Faults().Add({.kind = FaultKind::kDelay, .delayUs = 7000});
  Faults().Add({.kind = FaultKind::kDuplicate});
  Faults().Add({.kind = FaultKind::kTag, .vid = 0x123});
  const auto replies = host.Send(RawRequest(kSwitch, 0x01, 0x0208));
  ASSERT_EQ(replies.size(), 2u);
  EXPECT_EQ(replies[0].atUs, 7100u);
  EXPECT_GE(replies[1].atUs, 7100u);
  EXPECT_EQ(replies[0].bytes, replies[1].bytes);
  const auto& f = replies[0].bytes;
  ASSERT_EQ(f.size(), 64u);
  EXPECT_EQ((std::vector<uint8_t>(f.begin() + 12, f.begin() + 20)),
            (std::vector<uint8_t>{0x81, 0x00, 0x01, 0x23, 0x88, 0x99, 0x01, 0x81}));
  EXPECT_EQ(f[22] | f[23] << 8, 0x0208);
  EXPECT_EQ(f[24], 0x02);
}

TEST_F(ReplyFaultsTest, AnswersForAnotherRegister) {
  Faults().Add({.kind = FaultKind::kWrongAddress, .addressOffset = 1});
  const auto replies = host.Send(RawRequest(kSwitch, 0x01, 0x0207));
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(testing::ReplyRegister(replies[0].bytes), 0x0208);
  EXPECT_EQ(testing::ReplyData(replies[0].bytes), 0x0002u);
}

TEST_F(ReplyFaultsTest, ALostReplyStillReadsTheChip) {
  // The reply is lost on the way back; the poll it answered has counted.
  EmulatedSwitch& sw = segment.Switch(0);
  sw.Eeprom().Busy().SetPolls(1);
  host.Write(kSwitch, 0x0217, 0x0800 | 0x01C);
  Faults().Add({.kind = FaultKind::kLose, .count = 1});
  EXPECT_FALSE(host.Read(kSwitch, 0x0217));
  EXPECT_EQ(host.Read(kSwitch, 0x0217), 0x081Cu);
}

TEST_F(ReplyFaultsTest, StopsAnsweringForAWhile) {
  segment.Agent(0).StopAnswering(1000, 3000);
  EXPECT_TRUE(host.Read(kSwitch, 0x0207));
  clock.AdvanceTo(1000);
  EXPECT_FALSE(host.Read(kSwitch, 0x0207));
  host.Write(kSwitch, 0x0300, 9);
  EXPECT_EQ(segment.Switch(0).Peek(0x0300), 0x0004u) << "a silent switch takes nothing in";
  clock.AdvanceTo(3000);
  EXPECT_TRUE(host.Read(kSwitch, 0x0207));
  segment.Agent(0).StopAnswering();
  EXPECT_TRUE(host.Send(testing::RawHello()).empty());
  segment.Agent(0).ResumeAnswering();
  EXPECT_EQ(host.Send(testing::RawHello()).size(), 1u);
}

TEST_F(ReplyFaultsTest, SpoofsAndStaleCopiesComeBeforeTheFreshReply) {
  host.Write(kSwitch, 0x0300, 0x11);
  EXPECT_EQ(host.Read(kSwitch, 0x0300), 0x11u);
  host.Write(kSwitch, 0x0300, 0x22);
  Faults().Add({.kind = FaultKind::kSpoof, .count = 1});
  Faults().Add({.kind = FaultKind::kStale, .count = 1});
  const auto replies = host.Send(RawRequest(kSwitch, 0x01, 0x0300));
  ASSERT_EQ(replies.size(), 3u);
  EXPECT_NE(testing::MacAt(replies[0].bytes, 6), kSwitch);
  EXPECT_NE(testing::ReplyData(replies[0].bytes), 0x22u);
  EXPECT_EQ(testing::MacAt(replies[1].bytes, 6), kSwitch);
  EXPECT_EQ(testing::ReplyData(replies[1].bytes), 0x11u) << "the copy of the previous reply";
  EXPECT_EQ(testing::ReplyData(replies[2].bytes), 0x22u);
  EXPECT_LE(replies[1].atUs, replies[2].atUs);
}

TEST_F(ReplyFaultsTest, FloodsAHelloWithMadeUpSwitchesOnBothSides) {
  Faults().Add({.kind = FaultKind::kHelloFlood, .floodCount = 300});
  const auto replies = host.Send(testing::RawHello());
  ASSERT_EQ(replies.size(), 601u);
  std::set<Mac> macs;
  for (const TimedFrame& r : replies) macs.insert(testing::MacAt(r.bytes, 6));
  EXPECT_GT(macs.size(), 590u);
  EXPECT_LT(replies[299].atUs, replies[300].atUs);
  EXPECT_EQ(testing::MacAt(replies[300].bytes, 6), kSwitch);
  EXPECT_GT(replies[301].atUs, replies[300].atUs);
}

TEST_F(ReplyFaultsTest, FallsSilentAgainEveryPeriod) {
  segment.Agent(0).StopAnsweringEvery(1000, 10'000, 2000);
  std::vector<bool> answered;
  for (uint64_t t : {500, 1500, 3500, 11'500, 13'000}) {
    clock.AdvanceTo(t);
    answered.push_back(host.Read(kSwitch, 0x0207).has_value());
  }
  EXPECT_EQ(answered, (std::vector<bool>{true, false, true, false, true}));
}

}  // namespace
}  // namespace velkor::sim
