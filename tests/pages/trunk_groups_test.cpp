#include "pages/ports/trunk_groups.h"

#include <gtest/gtest.h>

#include "port_settings_rig.h"

namespace velkor {
namespace {

using testing::PortSettingsRig;

constexpr int kF8A = 2, kF16A = 1, kG26A = 6;

TEST(TrunkGroups, MembershipDependsOnTheModel) {
  EXPECT_EQ(TrunkGroupOf(kG26A, 1), 0);
  EXPECT_EQ(TrunkMemberMask(kG26A, 1), 0x3u);
  EXPECT_EQ(TrunkMemberMask(kG26A, 2), 0xCu);
  EXPECT_EQ(TrunkGroupOf(kG26A, 25), 7);
  EXPECT_EQ(TrunkMemberMask(kG26A, 25), 0x3000000u);
  EXPECT_EQ(TrunkGroupOf(kF16A, 9), 3);
  EXPECT_EQ(TrunkMemberMask(kF16A, 9), 0xF00u);
  EXPECT_EQ(TrunkMemberMask(kF16A, 2), 0xFu);
  EXPECT_EQ(TrunkGroupOf(kF16A, 24), -1) << "gigabit ports are not trunked";
}

TEST(TrunkGroups, PortsNoGroupHoldsAreRefusedNotShiftedOutOfRange) {
  for (int p : {-1, 26, 32, 1000}) EXPECT_EQ(TrunkMemberMask(kG26A, p) | TrunkMemberMask(kF16A, p), 0u) << p;
}

TEST(TrunkGroups, EnabledGroupsGiveTheirPorts) {
  const PortLayout g26 = MakePortLayout(kChipFamily8326, 24, 2, {24, 25});
  EXPECT_EQ(TrunkedPorts(kG26A, g26, 0x0081), 0x3000003u);
  EXPECT_EQ(TrunkedPorts(kG26A, g26, 0xFFFF), 0x3FFFFFFu) << "bits above chip port 25 are dropped";
  EXPECT_EQ(TrunkedPorts(kG26A, g26, 0x0006), 0xFCu);
  const PortLayout f24 = MakePortLayout(kChipFamily8326, 24, 0, {});
  EXPECT_EQ(TrunkedPorts(kF16A, f24, 0x0081), 0u) << "groups 0 and 7 are not used";
  EXPECT_EQ(TrunkedPorts(kF16A, f24, 0x0040), 0xF00000u);
}

TEST(TrunkGroups, ReadsTheEnabledGroupsOfASixteenPortSwitch) {
  PortSettingsRig rig(kF16A);
  rig.Switch().Poke(kTrunkEnableRegister, 0x7E);
  const TrunkMembers members = ReadTrunkMembers(rig.connection, rig.transport.engine, rig.Layout());
  EXPECT_TRUE(members.ok);
  EXPECT_EQ(members.mask, 0xFFFFu);
}

TEST(TrunkGroups, TheEightPortSwitchKeepsTheTrunksOfItsOwnChipPorts) {
  PortSettingsRig rig(kF8A);
  ASSERT_EQ(rig.Layout().FePhyId(0), 8);
  rig.Switch().Poke(kTrunkEnableRegister, 0x18);  // groups 3 and 4: chip ports 8-15
  const TrunkMembers members = ReadTrunkMembers(rig.connection, rig.transport.engine, rig.Layout());
  EXPECT_EQ(members.mask, 0xFF00u);
  EXPECT_EQ(rig.view.rows.size(), 8u);
  rig.page.FillPortSettings();
  EXPECT_EQ(rig.view.Cell(0, PortColumn::kTrunk), "Trunk 3");
}

TEST(TrunkGroups, ALostSwitchOrReplyIsNotAnEmptyTrunkSet) {
  PortSettingsRig rig(kF16A);
  rig.Switch().Poke(kTrunkEnableRegister, 0x02);
  rig.Agent().Faults().Add({.kind = sim::FaultKind::kLose,
                            .target = sim::FaultTarget::kGet,
                            .count = RegisterEngine::kAsksPerRead,
                            .reg = kTrunkEnableRegister});
  const TrunkMembers lost = ReadTrunkMembers(rig.connection, rig.transport.engine, rig.Layout());
  EXPECT_FALSE(lost.ok);
  EXPECT_TRUE(rig.connection.State().connected);

  rig.Agent().StopAnswering();
  EXPECT_FALSE(ReadTrunkMembers(rig.connection, rig.transport.engine, rig.Layout()).ok);
  EXPECT_FALSE(rig.connection.State().connected);
}

}  // namespace
}  // namespace velkor
