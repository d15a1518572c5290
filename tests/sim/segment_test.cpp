#include "sim/segment.h"

#include <gtest/gtest.h>

#include "raw_frames.h"
#include "testing/virtual_clock.h"

namespace velkor::sim {
namespace {

using testing::kHost;
using testing::RawHello;
using testing::RawRequest;

constexpr Mac kTop{0x02, 0x10, 0x00, 0x00, 0x00, 0x01};
constexpr Mac kMiddle{0x02, 0x10, 0x00, 0x00, 0x00, 0x02};
constexpr Mac kBottom{0x02, 0x10, 0x00, 0x00, 0x00, 0x03};

class SegmentTest : public ::testing::Test {
 protected:
  // A QX-F8A at the host, a QX-F16A behind its port 12, a QX-F24A behind the F16A's port 5.
  void BuildCascade() {
    ASSERT_EQ(segment.AddSwitch({.modelCode = 2, .mac = kTop}), 0);
    ASSERT_EQ(segment.AddSwitch({.modelCode = 1, .mac = kMiddle, .parent = Upstream{0, 12}}), 1);
    ASSERT_EQ(segment.AddSwitch({.modelCode = 3, .mac = kBottom, .localPort = 2, .parent = Upstream{1, 5}}),
              2);
  }

  VirtualClock clock;
  Segment segment{clock};
  testing::RawHost host{segment, clock};
};

TEST_F(SegmentTest, GetReplyIsSixtyExactBytesAfterTheLatency) {
  segment.AddSwitch({.modelCode = 2, .mac = kTop});
  clock.AdvanceTo(5000);
  const auto replies = host.Send(RawRequest(kTop, 0x01, 0x0207));
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(replies[0].atUs, 5100u);
  std::vector<uint8_t> expected(60, 0);
  const std::vector<uint8_t> head = {0x02, 0xAA, 0x00, 0x00, 0x00, 0x01, 0x02, 0x10, 0x00, 0x00, 0x00, 0x01,
                                     0x88, 0x99, 0x01, 0x81, 0x5C, 0x3A, 0x07, 0x02, 0x40, 0x41, 0x00, 0x00};
  std::copy(head.begin(), head.end(), expected.begin());
  EXPECT_EQ(replies[0].bytes, expected);
}

TEST_F(SegmentTest, HelloRepliesDescribeTheCascade) {
  BuildCascade();
  const auto replies = host.Send(RawHello());
  ASSERT_EQ(replies.size(), 3u);
  const auto& top = replies[0].bytes;
  EXPECT_EQ(top[15], 0x80);
  EXPECT_EQ(testing::MacAt(top, 0), kHost);
  EXPECT_EQ(testing::MacAt(top, 6), kTop);
  EXPECT_EQ(top[18], 8) << "an 8-port chip's first port is chip port 8";
  EXPECT_EQ(top[19], 0);
  EXPECT_EQ(testing::MacAt(top, 20), Mac{});
  EXPECT_EQ(top[30], 2);

  const auto& middle = replies[1].bytes;
  EXPECT_EQ(testing::MacAt(middle, 6), kMiddle);
  EXPECT_EQ(middle[18], 0);
  EXPECT_EQ(middle[19], 12);
  EXPECT_EQ(testing::MacAt(middle, 20), kTop);
  EXPECT_EQ(middle[30], 1);

  const auto& bottom = replies[2].bytes;
  EXPECT_EQ(bottom[18], 2);
  EXPECT_EQ(bottom[19], 5);
  EXPECT_EQ(testing::MacAt(bottom, 20), kMiddle);
  EXPECT_EQ(bottom[30], 3);
  // The ports that lead to cascaded switches have a link.
  EXPECT_EQ(segment.Switch(0).LinkStatus(12), 0x35);
  EXPECT_EQ(segment.Switch(1).LinkStatus(5), 0x35);
}

TEST_F(SegmentTest, OnlyTheAddressedSwitchTakesGetAndSet) {
  BuildCascade();
  host.Write(kMiddle, 0x0300, 0x12345678);
  EXPECT_EQ(segment.Switch(1).Peek(0x0300), 0x12345678u) << "registers keep all 32 bits";
  EXPECT_EQ(segment.Switch(0).Peek(0x0300), 0x0004u);
  EXPECT_TRUE(host.Send(RawRequest(kMiddle, 0x02, 0x0301, 1)).empty()) << "a set gets no answer";
  EXPECT_EQ(segment.Agent(1).Frames().sets, 2u);
  EXPECT_EQ(segment.Agent(0).Frames().Total(), 0u);
  ASSERT_EQ(segment.Agent(1).Writes().size(), 2u);
  EXPECT_EQ(segment.Agent(1).Writes()[1].reg, 0x0301);

  const auto replies = host.Send(RawRequest(kBottom, 0x01, 0x0208));
  ASSERT_EQ(replies.size(), 1u);
  EXPECT_EQ(testing::MacAt(replies[0].bytes, 6), kBottom);
  EXPECT_EQ(testing::ReplyData(replies[0].bytes), 3u);
}

TEST_F(SegmentTest, IgnoresFramesWithTheWrongKeyOrDestination) {
  BuildCascade();
  auto wrongKey = RawRequest(kTop, 0x01, 0x0207);
  wrongKey[17] = 0x3B;
  EXPECT_TRUE(host.Send(wrongKey).empty());
  auto wrongKeySet = RawRequest(kTop, 0x02, 0x0300, 9);
  wrongKeySet[16] = 0x3A;
  host.Send(wrongKeySet);
  EXPECT_EQ(segment.Switch(0).Peek(0x0300), 0x0004u);
  EXPECT_EQ(segment.Agent(0).Frames().rejected, 2u);

  EXPECT_TRUE(host.Send(RawRequest({0x02, 0x10, 0, 0, 0, 9}, 0x01, 0x0207)).empty());
  EXPECT_TRUE(host.Send(RawRequest(kBroadcastMac, 0x01, 0x0207)).empty()) << "a get is never broadcast";
  EXPECT_TRUE(host.Send(RawRequest(kTop, 0x05, 0x0207)).empty());
  auto otherType = RawRequest(kTop, 0x01, 0x0207);
  otherType[13] = 0x98;
  EXPECT_TRUE(host.Send(otherType).empty());
  const auto hello = RawHello();
  EXPECT_TRUE(host.Send(std::vector<uint8_t>(hello.begin(), hello.begin() + 20)).empty()) << "too short";
}

TEST_F(SegmentTest, SwitchIgnoresTheHostOnAPortWithoutManagement) {
  BuildCascade();
  host.Write(kMiddle, 0x0201, 0x0001);  // chip port 0, where the host's frames come in
  EXPECT_FALSE(host.Read(kMiddle, 0x0207));
  EXPECT_EQ(host.Send(RawHello()).size(), 2u) << "the switch behind it still answers";
  segment.PowerCycleAll();
  EXPECT_EQ(host.Read(kMiddle, 0x0207), 0x4140u) << "management ports are not kept over power-off";
}

TEST_F(SegmentTest, SwitchingOffAPortCutsEverySwitchBehindIt) {
  BuildCascade();
  host.Write(kTop, 0x0608, 1u << 12);
  EXPECT_EQ(host.Send(RawHello()).size(), 1u);
  EXPECT_FALSE(host.Read(kBottom, 0x0207));
  host.Write(kTop, 0x0608, 0);
  EXPECT_EQ(host.Send(RawHello()).size(), 3u);
}

TEST_F(SegmentTest, SoftResetSilencesTheChipAndItsCascadeWhileItRestarts) {
  BuildCascade();
  host.Write(kTop, 0x0300, 0x0077);
  segment.Switch(0).SetCounter(8, Counter::kReceive, 500);
  host.Write(kTop, 0x0000, 0x0003);
  EXPECT_TRUE(host.Send(RawHello()).empty());
  clock.SleepUs(200000);
  EXPECT_EQ(host.Send(RawHello()).size(), 3u);
  EXPECT_EQ(host.Read(kTop, 0x0000), 0x0002u) << "the reset bit clears itself";
  EXPECT_EQ(host.Read(kTop, 0x0300), 0x0077u) << "registers survive a soft reset";
  EXPECT_EQ(host.Read(kTop, 0x070D + 8), 0u) << "counters do not";
}

TEST_F(SegmentTest, RefusesAParentThatComesLater) {
  EXPECT_EQ(segment.AddSwitch({.parent = Upstream{0, 1}}), -1);
  EXPECT_EQ(segment.Count(), 0u);
}

}  // namespace
}  // namespace velkor::sim
