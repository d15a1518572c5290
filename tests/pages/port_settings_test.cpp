#include "pages/ports/port_settings.h"

#include <gtest/gtest.h>

#include "device/message_table.h"
#include "device/prompter.h"
#include "port_settings_rig.h"

namespace velkor {
namespace {

using testing::Item;
using testing::PortSettingsRig;

constexpr int kF16A = 1, kF24A = 3, kG17A = 4, kG26A = 6;

TEST(PortSettingsFill, ShowsWhatTheChipHolds) {
  PortSettingsRig rig(kF16A);
  ASSERT_TRUE(rig.connected);
  // Chip ports 0-5: advertisement bytes 0x05, 0x29, 0x00, 0x13 and pause without a full mode.
  rig.Switch().Poke(0x060A, 0x2905);
  rig.Switch().Poke(0x060B, 0x1300);
  rig.Switch().Poke(0x060C, 0x0021);
  rig.Switch().Poke(0x020A, 0x4705);  // port 0: rx 5, tx 0; port 1: rx 7, tx 4
  rig.Switch().Poke(0x0608, 0x0002);  // port 1 off
  ASSERT_EQ(rig.page.FillPortSettings(), Outcome::kDone);

  const auto& v = rig.view;
  const size_t p0 = rig.RowOfChipPort(0), p1 = rig.RowOfChipPort(1), p2 = rig.RowOfChipPort(2),
               p3 = rig.RowOfChipPort(3), p4 = rig.RowOfChipPort(4);
  EXPECT_EQ(v.rows[p0].caption, "02") << "the panel swaps neighbouring ports";
  EXPECT_EQ(v.Cell(p0, PortColumn::kSpeed), "100M Half");
  EXPECT_EQ(v.Cell(p0, PortColumn::kFlow), "--");
  EXPECT_EQ(v.Cell(p1, PortColumn::kSpeed), "100M Full");
  EXPECT_EQ(v.Cell(p1, PortColumn::kFlow), "启用");
  EXPECT_EQ(v.Cell(p2, PortColumn::kSpeed), "--");
  EXPECT_EQ(v.Cell(p2, PortColumn::kFlow), "--");
  EXPECT_EQ(v.Cell(p3, PortColumn::kSpeed), "1000M Full");
  EXPECT_EQ(v.Cell(p3, PortColumn::kFlow), "禁止");
  EXPECT_EQ(v.Cell(p4, PortColumn::kSpeed), "10M Half");
  EXPECT_EQ(v.Cell(p4, PortColumn::kFlow), "--");
  EXPECT_EQ(v.Cell(p0, PortColumn::kRx), "2 Mbps");
  EXPECT_EQ(v.Cell(p1, PortColumn::kTx), "1 Mbps");
  EXPECT_EQ(v.Cell(p0, PortColumn::kSwitch), "打开");
  EXPECT_EQ(v.Cell(p1, PortColumn::kSwitch), "关闭");
  EXPECT_EQ(v.Cell(p0, PortColumn::kTrunk), "禁止");
  EXPECT_EQ(v.rows.size(), 16u);
  EXPECT_EQ(v.rows[0].cells.size(), kPortColumnCount);
}

TEST(PortSettingsFill, AFailedConnectionCheckLeavesTheListAsItWas) {
  PortSettingsRig rig(kF16A);
  const auto before = rig.view.fills;
  rig.Agent().StopAnswering();
  EXPECT_EQ(rig.page.FillPortSettings(), Outcome::kSwitchLost);
  EXPECT_EQ(rig.view.fills, before);
  EXPECT_EQ(rig.prompter.shown.back().text, Message(MessageId::kConnectionLost));
  EXPECT_FALSE(rig.connection.State().connected);
}

TEST(PortSettingsFill, AGigabitRowOfAnotherModelIsNotTrunkedAndHasNoDescription) {
  PortSettingsRig rig(kG17A);
  ASSERT_GT(rig.Layout().GCount(), 0);
  const size_t g1 = rig.view.Row("G1");
  EXPECT_EQ(rig.view.Cell(g1, PortColumn::kTrunk), "--");
  EXPECT_EQ(rig.view.rows[g1].cells.size(), kPortColumnCount - 1);
}

TEST(PortSettingsHandlers, ReceiveLimitOnAnOddPortChangesOnlyItsBits) {
  PortSettingsRig rig(kF16A);
  rig.Switch().Poke(0x020B, 0x3062);  // port 2: rx 2 tx 6; port 3: rx 0 tx 3
  rig.page.FillPortSettings();
  rig.Agent().ClearHistory();
  rig.Select({rig.RowOfChipPort(3)});
  rig.page.SettingClick(Item("RxBandwidth2MbpsClick"));
  EXPECT_EQ(rig.WritesOf(0x020B), std::vector<uint32_t>{0x3562});
  EXPECT_EQ(rig.Sets(), 1u);
  EXPECT_EQ(rig.view.Cell(rig.RowOfChipPort(3), PortColumn::kRx), "2 Mbps") << "refilled from the chip";
}

TEST(PortSettingsHandlers, TwoPortsSharingARegisterAreWrittenOnce) {
  PortSettingsRig rig(kF16A);
  rig.Select({rig.RowOfChipPort(5), rig.RowOfChipPort(4)});
  rig.page.SettingClick(Item("TxBandwidth8MbpsClick"));
  EXPECT_EQ(rig.WritesOf(0x020C), std::vector<uint32_t>{0x7070});
  EXPECT_EQ(rig.Sets(), 1u);
}

TEST(PortSettingsHandlers, RowsAlreadyShowingTheValueWriteNothingButTheListIsRefilled) {
  PortSettingsRig rig(kF16A);
  rig.Select({0, 1, 2});
  const int fills = rig.view.fills;
  rig.page.SettingClick(Item("RxBandwidthNoLimitClick"));
  EXPECT_EQ(rig.Sets(), 0u);
  EXPECT_EQ(rig.view.fills, fills + 1);
}

TEST(PortSettingsHandlers, AdvertisedModesAndPauseKeepTheOtherBits) {
  PortSettingsRig rig(kF16A);
  // Port 0: 100M Full and both pause bits; port 1: all modes and only the second pause bit.
  rig.Switch().Poke(0x060A, 0x5F6F);
  rig.page.FillPortSettings();
  rig.Select({rig.RowOfChipPort(0)});
  rig.page.SettingClick(Item("AdvertisedSpeed10MFullClick"));
  EXPECT_EQ(rig.Switch().Peek(0x060A), 0x5F63u) << "10M half and full; the pause bits stay";
  rig.Select({rig.RowOfChipPort(1)});
  rig.page.SettingClick(Item("PauseFlowControlBothTXRXClick"));
  EXPECT_EQ(rig.Switch().Peek(0x060A), 0x3F63u) << "pause on, the second pause bit cleared";
  rig.page.SettingClick(Item("PauseFlowControlDisabledClick"));
  EXPECT_EQ(rig.Switch().Peek(0x060A), 0x1F63u);
}

TEST(PortSettingsHandlers, HiddenItemsWork) {
  PortSettingsRig rig(kF24A);
  rig.Select({rig.RowOfChipPort(17), rig.RowOfChipPort(2)});
  rig.page.SettingClick(Item("EnabledNoClick"));
  EXPECT_EQ(rig.Switch().Peek(0x0609) & 0x0002, 0x0002u);
  EXPECT_EQ(rig.Switch().Peek(0x0608) & 0x0004, 0x0004u);
  EXPECT_EQ(rig.view.Cell(rig.RowOfChipPort(17), PortColumn::kSwitch), "关闭");
  rig.page.SettingClick(Item("EnabledYesClick"));
  EXPECT_EQ(rig.Switch().Peek(0x0609) & 0x0002, 0u);
  rig.Select({rig.RowOfChipPort(6)});
  rig.page.SettingClick(Item("TxBandwidth128KbpsClick"));
  EXPECT_EQ(rig.view.Cell(rig.RowOfChipPort(6), PortColumn::kTx), "128 Kbps");
}

TEST(PortSettingsHandlers, FullGigabitActsOnTheFirstSelectedRowOnly) {
  PortSettingsRig rig(kG17A);
  const size_t g1 = rig.view.Row("G1"), g2 = rig.view.Row("G2");
  const int c1 = rig.Layout().GPhyId(0), c2 = rig.Layout().GPhyId(1);
  rig.Select({g1, g2});
  rig.page.AdvertisedSpeed1000MFullClick();
  EXPECT_EQ(rig.view.Cell(g1, PortColumn::kSpeed), "1000M Full");
  EXPECT_NE(rig.view.Cell(g2, PortColumn::kSpeed), "1000M Full");
  const uint16_t reg = static_cast<uint16_t>(0x060A + c1 / 2);
  EXPECT_EQ((rig.Switch().Peek(reg) >> (8 * (c1 & 1))) & 0x1F, 0x1Fu);
  EXPECT_EQ(c2 / 2, c1 / 2) << "both gigabit ports share one register";

  rig.Agent().ClearHistory();
  const uint64_t gets = rig.Agent().Frames().gets;
  rig.page.AdvertisedSpeed1000MFullClick();
  EXPECT_EQ(rig.Agent().Frames().gets, gets) << "already advertised: nothing happens";
}

TEST(PortSettingsHandlers, ALostReplyIsNeverWrittenBack) {
  PortSettingsRig rig(kF16A);
  rig.Switch().Poke(0x020A, 0x1111);
  rig.Switch().Poke(0x020B, 0x3062);
  rig.Switch().Poke(0x020C, 0x2222);
  rig.page.FillPortSettings();
  rig.Agent().ClearHistory();
  rig.Select({rig.RowOfChipPort(1), rig.RowOfChipPort(3), rig.RowOfChipPort(4)});
  // The handler's batch reads 0x020A, 0x020B, 0x020C, …: 0x020B is never answered.
  rig.Agent().Faults().Add({.kind = sim::FaultKind::kLose,
                            .target = sim::FaultTarget::kGet,
                            .count = RegisterEngine::kAsksPerRead,
                            .reg = 0x020B});
  rig.page.SettingClick(Item("RxBandwidth4MbpsClick"));
  EXPECT_TRUE(rig.WritesOf(0x020B).empty());
  EXPECT_EQ(rig.Switch().Peek(0x020B), 0x3062u) << "port 2's byte and port 3's transmit bits as they were";
  EXPECT_EQ(rig.WritesOf(0x020A), std::vector<uint32_t>{0x1611});
  EXPECT_EQ(rig.WritesOf(0x020C), std::vector<uint32_t>{0x2226});
  EXPECT_TRUE(rig.connection.State().connected) << "the switch still answers";
}

TEST(PortSettingsHandlers, ASwitchLostDuringAChangeIsReportedByTheRefill) {
  PortSettingsRig rig(kF16A);
  rig.Select({0});
  rig.Agent().StopAnswering();
  rig.page.SettingClick(Item("RxBandwidth4MbpsClick"));
  EXPECT_EQ(rig.Sets(), 0u);
  EXPECT_EQ(rig.prompter.shown.back().text, Message(MessageId::kConnectionLost));
  EXPECT_EQ(rig.view.Cell(0, PortColumn::kRx), "无限制") << "the list never shows an unconfirmed setting";
}

TEST(PortSettingsHandlers, EachSelectedRowKeepsItsOwnRules) {
  PortSettingsRig rig(kG17A);
  rig.Switch().Poke(0x0307, 0x04);  // group 2: chip ports 4-7
  rig.page.FillPortSettings();
  const size_t free = rig.RowOfChipPort(0), member = rig.RowOfChipPort(4), g1 = rig.view.Row("G1");
  rig.Select({free, member});
  EXPECT_EQ(rig.page.SettingClick(Item("RxBandwidth1MbpsClick")), Outcome::kRefused);
  EXPECT_EQ(rig.view.Cell(free, PortColumn::kRx), "1 Mbps");
  EXPECT_EQ(rig.view.Cell(member, PortColumn::kRx), "无限制") << "the trunk's settings stay";

  rig.Select({free, g1});
  EXPECT_EQ(rig.page.AdvertisedSpeed1000MFullClick(), Outcome::kDone);
  EXPECT_EQ(rig.view.Cell(g1, PortColumn::kSpeed), "1000M Full");
  EXPECT_NE(rig.view.Cell(free, PortColumn::kSpeed), "1000M Full")
      << "a Fast Ethernet port has no gigabit mode";
}

TEST(PortSettingsHandlers, TheManagementPortIsNotSwitchedOff) {
  PortSettingsRig rig(kF16A);
  const size_t management = rig.RowOfChipPort(rig.Switch().LocalPort()), other = rig.RowOfChipPort(9);
  rig.Select({management, other});
  EXPECT_EQ(rig.page.SettingClick(Item("EnabledNoClick")), Outcome::kRefused);
  ASSERT_EQ(rig.prompter.shown.size(), 1u);
  EXPECT_EQ(rig.prompter.shown[0].text, Message(MessageId::kManagementPortCannotClose));
  EXPECT_EQ(rig.prompter.shown[0].kind, MessageKind::kRefusal);
  EXPECT_EQ(rig.view.Cell(management, PortColumn::kSwitch), "打开");
  EXPECT_EQ(rig.view.Cell(other, PortColumn::kSwitch), "关闭") << "the other port is still switched off";
  EXPECT_TRUE(rig.connection.State().connected);
}

TEST(PortSettingsMenu, EnablingFollowsTheFirstSelectedAndTheFocusedRow) {
  PortSettingsRig rig(kG17A);
  PortMenuState none = rig.page.PopupMenu2Popup();
  for (bool enabled : none.enabled) EXPECT_FALSE(enabled);

  rig.Switch().Poke(0x060A, 0x2F05);  // chip port 0: 100M Half; chip port 1: 100M Full
  rig.page.FillPortSettings();
  rig.Select({rig.RowOfChipPort(0), rig.RowOfChipPort(1)});
  PortMenuState half = rig.page.PopupMenu2Popup();
  EXPECT_FALSE(half.Enabled(PortColumn::kFlow));
  EXPECT_TRUE(half.Enabled(PortColumn::kSpeed));
  EXPECT_EQ(half.fullGigabitVisible, false) << "a Fast Ethernet row is focused";

  rig.Select({rig.view.Row("G2")});
  PortMenuState gigabit = rig.page.PopupMenu2Popup();
  EXPECT_EQ(gigabit.fullGigabitVisible, true);
  EXPECT_FALSE(gigabit.Enabled(PortColumn::kTrunk)) << "only the QX-G26A trunks its gigabit ports";
  EXPECT_TRUE(gigabit.Enabled(PortColumn::kFlow));
  EXPECT_TRUE(gigabit.Enabled(PortColumn::kDescription));
}

TEST(PortSettingsMenu, TrunkMembersKeepTheirSettings) {
  PortSettingsRig rig(kG26A);
  ASSERT_TRUE(rig.connected);
  rig.Switch().Poke(0x0307, 0x0081);  // groups 0 and 7
  rig.page.FillPortSettings();
  const size_t g2 = rig.view.Row("G2");
  EXPECT_EQ(rig.view.Cell(g2, PortColumn::kTrunk), "Trunk 7");
  EXPECT_EQ(rig.view.Cell(rig.RowOfChipPort(1), PortColumn::kTrunk), "Trunk 0");
  EXPECT_EQ(rig.view.Cell(rig.RowOfChipPort(2), PortColumn::kTrunk), "禁止");

  rig.Select({g2, rig.RowOfChipPort(2)});
  PortMenuState member = rig.page.PopupMenu2Popup();
  for (PortColumn c :
       {PortColumn::kSwitch, PortColumn::kRx, PortColumn::kTx, PortColumn::kSpeed, PortColumn::kFlow})
    EXPECT_FALSE(member.Enabled(c));
  EXPECT_TRUE(member.Enabled(PortColumn::kTrunk));
  EXPECT_TRUE(member.Enabled(PortColumn::kDescription));

  rig.Select({rig.RowOfChipPort(2), g2});
  EXPECT_TRUE(rig.page.PopupMenu2Popup().Enabled(PortColumn::kRx)) << "only the first selected row counts";
}

TEST(PortSettingsSheet, ShowingTheSheetMarksUnsavedAndFillsBothPages) {
  PortSettingsRig rig(kF16A);
  std::vector<std::string> calls;
  rig.page.SetHooks({.repaintSheet = [&] { calls.push_back("repaint"); },
                     .selectPortSettingsPage = [&] { calls.push_back("select"); },
                     .vlanPageShow = [&] { calls.push_back("vlan"); },
                     .vlanPageActive = [] { return true; },
                     .revealVlanPage = [&] { calls.push_back("reveal"); }});
  rig.connection.SetUnsaved(false);
  const int fills = rig.view.fills;
  rig.page.SwitchConfigurationSheetShow();
  EXPECT_TRUE(rig.connection.State().unsaved);
  EXPECT_EQ(rig.view.fills, fills + 1);
  rig.page.SwitchConfigurationPageControlMouseDown();
  EXPECT_EQ(calls, (std::vector<std::string>{"repaint", "select", "vlan", "reveal"}));

  rig.connection.Disconnect(false);
  rig.page.SwitchConfigurationSheetShow();
  EXPECT_EQ(calls.size(), 4u) << "nothing happens while not connected";
  rig.page.TrunkingEnabledClick();  // unset hooks do nothing
  rig.page.TrunkingDisabledClick();
}

TEST(PortSettingsRestart, RestartsTheChipWithoutRefilling) {
  PortSettingsRig rig(kF16A);
  const int fills = rig.view.fills;
  const uint64_t start = rig.clock.NowUs();
  rig.page.BRestartAutoNegClick();
  ASSERT_EQ(rig.WritesOf(0x0000).size(), 1u);
  EXPECT_EQ(rig.WritesOf(0x0000)[0] & 0x3, 0x1u);
  EXPECT_LT(rig.clock.NowUs() - start, 5000000u) << "back as soon as the switch answers";
  EXPECT_EQ(rig.view.fills, fills);
}

}  // namespace
}  // namespace velkor
