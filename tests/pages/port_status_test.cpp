#include "pages/ports/port_status.h"

#include <gtest/gtest.h>

#include "device/message_table.h"
#include "support/emulated_connection.h"

namespace velkor {
namespace {

using testing::EmulatedConnection;

constexpr uint8_t kG17A = 4, kG26A = 6;
constexpr uint8_t kLinkUp = 0x10, kFull = 0x04, kPause = 0x20, kSecondPause = 0x40;

struct StatusRig : EmulatedConnection<> {
  explicit StatusRig(uint8_t model) : EmulatedConnection(model) {}
  const PortStatusRow& Row(int chipPort) {
    for (const PortStatusRow& r : status.Rows())
      if (r.chipPort == chipPort) return r;
    ADD_FAILURE() << "no row of chip port " << chipPort;
    return status.Rows().front();
  }
  std::vector<std::string> Cells(int chipPort) {
    const PortStatusRow& r = Row(chipPort);
    return {StateText(r), SpeedText(r), PauseText(r), TrunkErrorText(r)};
  }
  PortStatus status{transport, connection, identifier};
};

std::string T(MessageId id) { return std::string(Message(id)); }

TEST(PortStatus, DecodesLinkBytesOffBitsAndTrunkErrors) {
  StatusRig rig(kG17A);
  const int managed = rig.Switch().LocalPort();
  const int odd = managed == 7 ? 5 : 7, even = managed == 4 ? 6 : 4, high = managed == 17 ? 19 : 17;
  rig.Switch().SetLinkStatus(static_cast<uint8_t>(odd), kLinkUp | 1 | kFull | kPause);
  rig.Switch().SetLinkStatus(static_cast<uint8_t>(even), kLinkUp | 2);  // 1000M half: no such mode
  rig.Switch().SetLinkStatus(static_cast<uint8_t>(high), kLinkUp | 1 | kSecondPause);
  rig.Switch().Poke(0x0609, rig.Switch().Peek(0x0609) | 1u << (high - 16));
  rig.Switch().Poke(0x0102, 1u << (5 + odd / 4 + 1));
  ASSERT_EQ(rig.status.FillPortStatus(), Outcome::kDone);
  EXPECT_EQ(rig.Cells(odd), (std::vector<std::string>{T(MessageId::kLinkUp), "100M Full",
                                                      T(MessageId::kEnabled), T(MessageId::kYes)}));
  EXPECT_EQ(SpeedText(rig.Row(even)), "N/A");
  EXPECT_EQ(rig.Cells(high), (std::vector<std::string>{T(MessageId::kOff), "--", "--", T(MessageId::kNo)}));
  const PortStatusRow& gigabit = rig.status.Rows().back();
  EXPECT_EQ(gigabit.caption, "G2");
  EXPECT_EQ(TrunkErrorText(gigabit), "--");

  rig.Switch().SetLinkStatus(static_cast<uint8_t>(high), kLinkUp | 1 | kFull | kSecondPause);
  rig.Switch().Poke(0x0609, 0);
  ASSERT_EQ(rig.status.FillPortStatus(), Outcome::kDone);
  EXPECT_EQ(PauseText(rig.Row(high)), T(MessageId::kDisabled));
}

TEST(PortStatus, TheSmallModelsGigabitPortsShareAGroupFlag) {
  StatusRig rig(kG26A);
  rig.Switch().Poke(0x0102, 1u << 12);
  ASSERT_EQ(rig.status.FillPortStatus(), Outcome::kDone);
  EXPECT_EQ(TrunkErrorText(rig.status.Rows().back()), T(MessageId::kYes));
  EXPECT_EQ(TrunkErrorText(rig.Row(1)), T(MessageId::kNo));
}

TEST(PortStatus, ALostReplyShowsQuestionMarksNotALinkDown) {
  StatusRig rig(kG17A);
  rig.LoseReadsOf(0x0619 + 2);  // chip ports 4 and 5
  rig.LoseReadsOf(0x0102);
  EXPECT_EQ(rig.status.FillPortStatus(), Outcome::kNoAnswer);
  const int p = rig.Switch().LocalPort() == 4 ? 5 : 4;
  EXPECT_EQ(rig.Cells(p), (std::vector<std::string>{"?", "?", "?", "?"}));
  EXPECT_TRUE(rig.prompter.shown.empty());

  EXPECT_EQ(CellColour(1, T(MessageId::kLinkDown)), StatusColour::kRed);
  EXPECT_EQ(CellColour(1, T(MessageId::kOff)), StatusColour::kGrey);
  EXPECT_EQ(CellColour(4, "?"), StatusColour::kGreen);
}

}  // namespace
}  // namespace velkor
