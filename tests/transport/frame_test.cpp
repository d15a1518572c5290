#include "transport/frame.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/fake_switch.h"

namespace velkor {
namespace {

constexpr Mac kAdapter{0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
constexpr Mac kSwitch{0x00, 0xE0, 0x4C, 0x86, 0x00, 0x01};

TEST(Frame, GetRequestBytesAreExact) {
  const ManagementFrame f = BuildGet(kAdapter, kSwitch, 0x0208);
  const std::vector<uint8_t> expected = {0x00, 0xE0, 0x4C, 0x86, 0x00, 0x01, 0x02, 0x11,
                                         0x22, 0x33, 0x44, 0x55, 0x88, 0x99, 0x01, 0x01,
                                         0x5C, 0x3A, 0x08, 0x02, 0,    0,    0,    0};
  EXPECT_EQ(std::vector<uint8_t>(f.begin(), f.begin() + 24), expected);
  for (size_t i = 24; i < kFrameSize; ++i) EXPECT_EQ(f[i], 0) << i;
}

TEST(Frame, SetCarriesValueLittleEndianAndHelloIsBroadcast) {
  const ManagementFrame set = BuildSet(kAdapter, kSwitch, 0x0217, 0x12345678);
  EXPECT_EQ(set[15], 0x02);
  EXPECT_EQ((std::vector<uint8_t>{set[18], set[19], set[20], set[21], set[22], set[23]}),
            (std::vector<uint8_t>{0x17, 0x02, 0x78, 0x56, 0x34, 0x12}));
  const ManagementFrame hello = BuildHello(kAdapter);
  EXPECT_EQ(std::vector<uint8_t>(hello.begin(), hello.begin() + 6), std::vector<uint8_t>(6, 0xFF));
  EXPECT_EQ(hello[15], 0x00);
  EXPECT_EQ(hello[16], 0x5C);
  EXPECT_EQ(hello[17], 0x3A);
  EXPECT_EQ(hello[18] | hello[19] | hello[20], 0);
}

std::vector<uint8_t> GetReply(bool tagged, uint16_t reg, uint32_t value) {
  auto f = testing::FakeSwitch::Reply(kAdapter, kSwitch, 0x81, tagged);
  const size_t s = tagged ? 4 : 0;
  f[18 + s] = reg & 0xFF;
  f[19 + s] = reg >> 8;
  for (int i = 0; i < 4; ++i) f[20 + s + i] = (value >> (8 * i)) & 0xFF;
  return f;
}

TEST(Frame, GetReplyIsReadAtUntaggedOrTaggedOffsets) {
  for (bool tagged : {false, true}) {
    const auto f = GetReply(tagged, 0x0207, 0xABCD4140);
    const auto layout = IsGetReply(f, kAdapter, kSwitch);
    ASSERT_TRUE(layout) << tagged;
    EXPECT_EQ(layout->tagged, tagged);
    EXPECT_EQ(ReplyRegister(f, *layout), 0x0207);
    EXPECT_EQ(ReplyData(f, *layout), 0xABCD4140u);
  }
}

TEST(Frame, GetReplyAcceptanceRejects) {
  auto otherDst = GetReply(false, 1, 1);
  otherDst[0] ^= 1;
  EXPECT_FALSE(IsGetReply(otherDst, kAdapter, kSwitch));

  auto otherSwitch = GetReply(false, 1, 1);
  otherSwitch[11] ^= 1;
  EXPECT_FALSE(IsGetReply(otherSwitch, kAdapter, kSwitch));

  auto wrongOpcode = GetReply(false, 1, 1);
  wrongOpcode[15] = 0x82;
  EXPECT_FALSE(IsGetReply(wrongOpcode, kAdapter, kSwitch));
  EXPECT_FALSE(IsHelloReply(wrongOpcode, kAdapter));

  // Untagged EtherType with a wrong opcode is not retried as tagged, even if offset 19 would match.
  auto untaggedWrong = GetReply(false, 0x8100, 1);
  untaggedWrong[15] = 0x01;
  untaggedWrong[16] = 0x88;
  untaggedWrong[17] = 0x99;
  untaggedWrong[19] = 0x81;
  EXPECT_FALSE(IsGetReply(untaggedWrong, kAdapter, kSwitch));

  auto otherType = GetReply(false, 1, 1);
  otherType[12] = 0x08;
  otherType[13] = 0x00;
  EXPECT_FALSE(IsGetReply(otherType, kAdapter, kSwitch));

  const std::vector<uint8_t> runt(20, 0);
  EXPECT_FALSE(IsGetReply(runt, kAdapter, kSwitch));
}

TEST(Frame, HelloReplyFieldsTaggedAndUntagged) {
  for (bool tagged : {false, true}) {
    auto f = testing::FakeSwitch::Reply(kAdapter, kSwitch, 0x80, tagged);
    const size_t s = tagged ? 4 : 0;
    f[18 + s] = 7;
    f[19 + s] = 3;
    for (int i = 0; i < 6; ++i) f[20 + s + i] = static_cast<uint8_t>(0xA0 + i);
    f[26 + s] = 0x11;
    f[27 + s] = 0x22;
    f[30 + s] = 6;
    const auto layout = IsHelloReply(f, kAdapter);
    ASSERT_TRUE(layout);
    const HelloFields h = ParseHelloReply(f, *layout);
    EXPECT_EQ(h.switchMac, kSwitch);
    EXPECT_EQ(h.localPort, 7);
    EXPECT_EQ(h.peerPort, 3);
    EXPECT_EQ(FormatMac(h.peerMac), "A0:A1:A2:A3:A4:A5");
    EXPECT_EQ(h.helloWord[1], 0x22);
    EXPECT_EQ(h.modelWord[2], 6);
  }
}

TEST(Mac, FormatAndParse) {
  EXPECT_EQ(FormatMac(kSwitch), "00:E0:4C:86:00:01");
  EXPECT_EQ(ParseMac("00:e0:4c:86:00:01"), kSwitch);
  EXPECT_EQ(ParseMac("00-E0-4C-86-00-01"), kSwitch);
  EXPECT_FALSE(ParseMac("00:E0:4C:86:00"));
  EXPECT_FALSE(ParseMac("00:E0:4C:86:00:0g"));
}

}  // namespace
}  // namespace velkor
