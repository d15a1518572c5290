#include "pages/ports/port_statistics.h"

#include <gtest/gtest.h>

#include "device/message_table.h"
#include "pages/statistics_rig.h"

namespace velkor {
namespace {

using sim::Counter;
using T = TrafficCounter;

// List rows of the QX-G17A and the chip ports behind them.
constexpr size_t kRow01 = 0;  // chip port 1
constexpr size_t kRow03 = 2;  // chip port 3
constexpr size_t kRow04 = 3;  // chip port 2
constexpr size_t kRow05 = 4;  // chip port 5
constexpr size_t kRowG1 = 24;
constexpr size_t kRowG2 = 25;
constexpr uint16_t kUnits0203 = 0x0701;
constexpr uint16_t kUnits0405 = 0x0702;

// A refresh: the connection check, then the unit registers and all counters in one batch.
constexpr uint64_t kRefreshGets = 1 + 13 + 3 * 26;

class PortStatisticsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(rig.connected);
    rig.page.EnterIdle();
    rig.page.SwitchStatusSheetShow();
  }

  testing::StatisticsRig rig;
  PortStatistics& page = rig.page;
  testing::RecordingStatisticsView& view = rig.view;
  sim::EmulatedSwitch& chip = rig.Switch();
};

TEST_F(PortStatisticsTest, ShowingThePageListsEveryPortWithTheUnitsTheChipCountsIn) {
  chip.Poke(kUnits0405, 0x0E40);  // chip port 5: receive frames, transmit CRC errors, drop collisions
  rig.page.TabSheet5Show();
  ASSERT_EQ(view.rows.size(), 26u);
  EXPECT_EQ(view.rows[0].caption, "01");
  EXPECT_EQ(view.rows[23].caption, "24");
  EXPECT_EQ(view.rows[kRowG1].caption, "G1");
  EXPECT_EQ(view.rows[kRowG2].caption, "G2");
  EXPECT_EQ(view.rows[kRow05].cells, (std::array<std::string, 6>{"0", "帧", "0", "错误帧", "0", "碰撞帧"}));
  EXPECT_EQ(view.rows[kRow05 + 1].cells, (std::array<std::string, 6>{"0", "字节", "0", "字节", "0", "字节"}))
      << "chip port 4 shares the register, in its low six bits";
  EXPECT_FALSE(view.counting);
  EXPECT_EQ(view.pauseCaption, "停止刷新");
  EXPECT_EQ(rig.pageSelections, 1);
}

TEST_F(PortStatisticsTest, TotalsAllowForOneWrapAndGrowBeyond32Bits) {
  chip.SetCounter(1, Counter::kReceive, 0xFFFFFFF0u);
  chip.SetCounter(1, Counter::kTransmit, 0xF0000000u);
  page.Button3Click();
  EXPECT_TRUE(view.timer);
  EXPECT_TRUE(view.counting);
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "0") << "starting changes no text";

  chip.SetCounter(1, Counter::kReceive, 16);
  chip.SetCounter(1, Counter::kTransmit, 0x10);
  page.Timer1Timer();
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "32");
  EXPECT_EQ(rig.Cell(kRow01, T::kTransmit), "268435472");  // 0x10000010

  chip.SetCounter(1, Counter::kTransmit, 0xF0000000u);
  page.Timer1Timer();
  chip.SetCounter(1, Counter::kTransmit, 0x10);
  page.Timer1Timer();
  EXPECT_EQ(rig.Cell(kRow01, T::kTransmit), "4563402768");  // 2^32 + 0x10000010
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "32");
}

TEST_F(PortStatisticsTest, RefreshReadsEverythingInOneBatchAndOnlyWithThePageInFront) {
  page.Button3Click();
  uint64_t before = rig.Gets();
  page.Timer1Timer();
  EXPECT_EQ(rig.Gets() - before, kRefreshGets);

  rig.inFront = false;
  chip.SetCounter(24, Counter::kDrop, 7);
  before = rig.Gets();
  page.Timer1Timer();
  EXPECT_EQ(rig.Gets(), before) << "another sheet or page in front reads nothing";
  rig.inFront = true;
  page.Timer1Timer();
  EXPECT_EQ(rig.Cell(kRowG1, T::kDrop), "7") << "the next refresh takes up what was counted meanwhile";
}

TEST_F(PortStatisticsTest, PauseResumeStopAndTheSavePagesControl) {
  page.Button3Click();
  page.Button6Click();
  EXPECT_FALSE(view.timer);
  EXPECT_TRUE(view.counting);
  EXPECT_EQ(view.pauseCaption, "继续刷新");

  chip.SetCounter(1, Counter::kReceive, 55);
  page.Timer1Timer();
  const uint64_t before = rig.Gets();
  page.SwitchStatusSheetShow();
  EXPECT_EQ(rig.Gets(), before) << "showing the page while paused keeps the list";
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "0");

  page.Button6Click();
  EXPECT_TRUE(view.timer);
  EXPECT_EQ(view.pauseCaption, "停止刷新");
  page.Timer1Timer();
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "55");

  page.StopMIBRefreshing();
  EXPECT_FALSE(view.timer);
  EXPECT_EQ(view.pauseCaption, "继续刷新");
  page.EnterIdle();
  EXPECT_FALSE(view.counting);
  EXPECT_EQ(view.pauseCaption, "停止刷新");
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "55") << "totals and texts stay";
  page.StopMIBRefreshing();
  EXPECT_EQ(view.pauseCaption, "停止刷新") << "nothing to pause when idle";

  page.Button3Click();
  page.Button21Click();
  EXPECT_FALSE(view.timer);
  EXPECT_FALSE(view.counting);
  EXPECT_EQ(view.pauseCaption, "停止刷新");
}

TEST_F(PortStatisticsTest, ClearingAndDisconnectingZeroOnlyTheFastEthernetRows) {
  chip.SetCounter(1, Counter::kReceive, 100);
  chip.SetCounter(24, Counter::kReceive, 100);
  page.Button3Click();
  chip.SetCounter(1, Counter::kReceive, 140);
  chip.SetCounter(24, Counter::kReceive, 140);
  page.Timer1Timer();
  page.Button1Click();
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "0");
  EXPECT_EQ(rig.Cell(kRowG1, T::kReceive), "40");

  chip.SetCounter(1, Counter::kReceive, 150);
  chip.SetCounter(24, Counter::kReceive, 150);
  page.Timer1Timer();
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "10") << "counting afresh from the chip's value at the clear";
  EXPECT_EQ(rig.Cell(kRowG1, T::kReceive), "50") << "G1 goes on from its total";

  page.ZeroFastEthernetCounts();
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "0");
  EXPECT_EQ(rig.Cell(kRowG1, T::kReceive), "50");
}

TEST_F(PortStatisticsTest, UnitChoiceWritesEachSharedRegisterOnceAndSkipsRowsAlreadyInIt) {
  page.Button3Click();
  chip.SetCounter(3, Counter::kReceive, 900);
  page.Timer1Timer();
  view.selected = {kRow03, kRow04};
  rig.Agent().ClearHistory();
  page.UnitClick(T::kReceive, CounterUnit::kFrames);

  ASSERT_EQ(rig.Agent().Writes().size(), 1u) << "chip ports 2 and 3 share one register";
  EXPECT_EQ(rig.Agent().Writes()[0].reg, kUnits0203);
  EXPECT_EQ(rig.Agent().Writes()[0].value, 0x0041u);
  EXPECT_EQ(rig.Unit(kRow03, T::kReceive), "帧");
  EXPECT_EQ(rig.Cell(kRow03, T::kReceive), "0");
  EXPECT_EQ(rig.Unit(kRow04, T::kReceive), "帧");

  chip.SetCounter(3, Counter::kReceive, 12);
  page.Timer1Timer();
  EXPECT_EQ(rig.Cell(kRow03, T::kReceive), "12") << "the first refresh counts all the chip counted anew";

  rig.Agent().ClearHistory();
  page.UnitClick(T::kReceive, CounterUnit::kFrames);
  EXPECT_TRUE(rig.Agent().Writes().empty()) << "the unit both rows already show";
  EXPECT_EQ(rig.Cell(kRow03, T::kReceive), "12");

  page.UnitClick(T::kDrop, CounterUnit::kCollisionFrames);
  EXPECT_EQ(chip.Peek(kUnits0203), 0x0C71u);
  EXPECT_EQ(rig.Unit(kRow04, T::kDrop), "碰撞帧");
}

TEST_F(PortStatisticsTest, LostCounterRepliesAreNeverCounted) {
  chip.SetCounter(1, Counter::kReceive, 1000);
  rig.LoseRead(CounterRegister(T::kReceive, 1));  // in the start's batch
  page.Button3Click();
  chip.SetCounter(1, Counter::kReceive, 1500);
  page.Timer1Timer();
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "0") << "a start without a value begins at the next reading";

  chip.SetCounter(1, Counter::kReceive, 1700);
  rig.LoseRead(CounterRegister(T::kReceive, 1));
  page.Timer1Timer();
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "0") << "skipped, not a wrap";

  chip.SetCounter(1, Counter::kReceive, 1800);
  page.Timer1Timer();
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "300");
  EXPECT_TRUE(rig.prompter.shown.empty());
}

TEST_F(PortStatisticsTest, UnitRegisterWithoutReplyIsNotWrittenBack) {
  chip.Poke(kUnits0203, 0x0555);
  page.TabSheet5Show();
  view.selected = {kRow03, kRow04, kRow05};
  rig.LoseRead(kUnits0203);
  rig.Agent().ClearHistory();
  page.UnitClick(T::kTransmit, CounterUnit::kCollisionFrames);

  ASSERT_EQ(rig.Agent().Writes().size(), 1u);
  EXPECT_EQ(rig.Agent().Writes()[0].reg, kUnits0405);
  EXPECT_EQ(chip.Peek(kUnits0203), 0x0555u);
  EXPECT_EQ(rig.Unit(kRow03, T::kTransmit), "帧") << "the rows of the lost register stay as they were";
  EXPECT_EQ(rig.Unit(kRow05, T::kTransmit), "碰撞帧");
}

TEST_F(PortStatisticsTest, LostSwitchStopsTheRefreshAndKeepsTheTexts) {
  chip.SetCounter(1, Counter::kReceive, 5);
  page.Button3Click();
  chip.SetCounter(1, Counter::kReceive, 9);
  page.Timer1Timer();
  rig.Agent().StopAnswering();
  page.Timer1Timer();
  EXPECT_FALSE(view.timer);
  EXPECT_FALSE(rig.connection.State().connected);
  ASSERT_EQ(rig.prompter.shown.size(), 1u);
  EXPECT_EQ(rig.prompter.shown[0].text, Message(MessageId::kConnectionLost));
  EXPECT_EQ(rig.Cell(kRow01, T::kReceive), "4");

  const uint64_t before = rig.Gets();
  page.SwitchStatusSheetShow();
  EXPECT_EQ(rig.Gets(), before) << "nothing to show without a connection";
}

TEST_F(PortStatisticsTest, StatusSheetMarksSettingsUnsavedAndMenuNeedsASelection) {
  rig.connection.SetUnsaved(false);
  page.SwitchStatusSheetShow();
  EXPECT_TRUE(rig.connection.State().unsaved);

  page.PopupMenu1Popup();
  EXPECT_FALSE(view.menusEnabled);
  view.selected = {kRowG2};
  page.PopupMenu1Popup();
  EXPECT_TRUE(view.menusEnabled);
}

TEST_F(PortStatisticsTest, MenuMarksTheUnitEverySelectedRowCountsIn) {
  page.SwitchStatusSheetShow();
  view.selected = {kRow01, kRowG2};
  page.UnitClick(T::kReceive, CounterUnit::kCrcErrorFrames);
  view.selected = {kRow01};
  page.UnitClick(T::kTransmit, CounterUnit::kFrames);
  view.selected = {kRow01, kRowG2};
  page.PopupMenu1Popup();
  EXPECT_EQ(view.marked[0], CounterUnit::kCrcErrorFrames);
  EXPECT_EQ(view.marked[1], std::nullopt) << "the rows count in different units";
  view.selected = {};
  page.PopupMenu1Popup();
  EXPECT_EQ(view.marked[0], std::nullopt);
}

TEST_F(PortStatisticsTest, FactoryUnitsShowFramesOnFastEthernetRowsAndGoIdle) {
  page.Button3Click();
  page.ShowFactoryUnits();
  EXPECT_FALSE(view.timer);
  EXPECT_FALSE(view.counting);
  EXPECT_EQ(view.pauseCaption, "停止刷新");
  EXPECT_EQ(view.rows[kRow01].cells, (std::array<std::string, 6>{"0", "帧", "0", "帧", "0", "帧"}));
  EXPECT_EQ(rig.Unit(kRowG1, T::kReceive), "字节");
}

}  // namespace
}  // namespace velkor
