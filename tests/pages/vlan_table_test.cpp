#include "pages/vlan/vlan_table.h"

#include <gtest/gtest.h>

#include "pages/vlan/vlan_id.h"

namespace velkor {
namespace {

constexpr int kF16A = 1, kF8A = 2, kF24A = 3, kG26A = 6;

VlanTable PortBasedTable(int model, int fe, int g) {
  VlanTable table(VlanTableKind::kPortBased);
  table.Reset(model, MakePortLayout(model == kG26A ? kChipFamily8326 : kChipFamily8324, fe, g, {24, 25}));
  return table;
}

TEST(VlanTable, EntryLayoutOfEachModel) {
  // 16 and 24 ports: port n uses entry n - 1 but for the last two, which swap.
  EXPECT_EQ(PortBasedEntryOf(kF16A, 0), 1);
  EXPECT_EQ(PortBasedEntryOf(kF16A, 14), 15);
  EXPECT_EQ(PortBasedEntryOf(kF24A, 23), 22);
  EXPECT_EQ(PortBasedEntryOf(kG26A, 24), 25);
  // 8 ports on chip ports 8-15: port n uses entry n + 7.
  EXPECT_EQ(PortBasedEntryOf(kF8A, 8), 8);
  EXPECT_EQ(PortBasedEntryOf(kF8A, 15), 15);
  EXPECT_EQ(PortBasedEntryOf(kF16A, PortBasedEntryOf(kF16A, 9)), 9) << "its own inverse";
}

TEST(VlanTable, EditingOnePortKeepsTheRelationSymmetric) {
  VlanTable table = PortBasedTable(kF16A, 16, 0);
  table.AddGroup(0xFFFF);
  // Port 05 (chip port 4) may talk to 01 and 02 only.
  ASSERT_TRUE(table.SetPortAllowed(PortBasedEntryOf(kF16A, 4), 0x3));
  for (int q = 0; q < 16; ++q) {
    const bool talks = q == 0 || q == 1;
    EXPECT_EQ(table.IsMember(4, PortBasedEntryOf(kF16A, q)), talks) << q;
    EXPECT_EQ(table.IsMember(q, PortBasedEntryOf(kF16A, 4)), talks) << q;
  }
  EXPECT_TRUE(table.IsMember(2, PortBasedEntryOf(kF16A, 3))) << "other ports untouched";
}

TEST(VlanTable, GroupsAndTrivialTables) {
  VlanTable table = PortBasedTable(kF8A, 8, 0);
  EXPECT_TRUE(table.IsTrivialTable());
  EXPECT_FALSE(table.AllAlreadyGrouped(0x0300));
  table.AddGroup(0x0300);
  EXPECT_TRUE(table.AllAlreadyGrouped(0x0300));
  EXPECT_FALSE(table.AllAlreadyGrouped(0x0700));
  EXPECT_FALSE(table.IsTrivialTable());
  table.SetEntry(3, 0, 0xFFFFFFFF);
  EXPECT_EQ(table.Entry(3).members, 0xFF00u) << "only the switch's chip ports 8-15";
}

TEST(VlanTable, EntriesBeyondTheTableAreRefused) {
  VlanTable table(VlanTableKind::kDot1q);
  table.Reset(kG26A, MakePortLayout(kChipFamily8326, 24, 2, {24, 25}));
  for (int e : {-1, 32, 1000}) {
    EXPECT_FALSE(table.SetEntry(e, 1, 1)) << e;
    EXPECT_FALSE(table.IsMember(0, e)) << e;
  }
  EXPECT_FALSE(table.IsMember(40, 0));
  table.SetEntry(5, 7, 0x3);
  table.SetEntry(5, 7, 0);
  EXPECT_EQ(table.Entry(5).vid, 0) << "an emptied 802.1Q group has no VID";
}

TEST(VlanId, OnlyOneToFourDigitsFromOneTo4094) {
  for (const char* bad : {"", "0", "4095", "12a", "+5", "12345", "abc", " 7", "-1"})
    EXPECT_FALSE(ParseVlanId(bad)) << bad;
  EXPECT_EQ(ParseVlanId("7"), 7);
  EXPECT_EQ(ParseVlanId("0007"), 7);
  EXPECT_EQ(ParseVlanId("0100"), 100);
  EXPECT_EQ(ParseVlanId("4094"), 4094);
}

}  // namespace
}  // namespace velkor
