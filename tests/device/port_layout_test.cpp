#include "device/port_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "device/port_captions.h"

namespace velkor {
namespace {

TEST(PortLayout, SixteenPortRowSwapsPairsButKeeps14And15) {
  const PortLayout layout = MakePortLayout(kChipFamily8324, 16, 0, {22, 23});
  std::vector<int> ids;
  for (int i = 0; i < layout.FeCount(); ++i) ids.push_back(layout.FePhyId(i));
  EXPECT_EQ(ids, (std::vector<int>{1, 0, 3, 2, 5, 4, 7, 6, 9, 8, 11, 10, 13, 12, 14, 15}));
  EXPECT_EQ(layout.FePhyId(16), -1);
  EXPECT_EQ(layout.FePhyId(kFePortSlots), -1);
  EXPECT_EQ(layout.GPhyId(2), -1);
}

TEST(PortLayout, CountWithoutPanelRowGivesNoPorts) {
  const PortLayout layout = MakePortLayout(kChipFamily8326, 12, 2, {24, 25});
  EXPECT_EQ(layout.FeCount(), 0);
  EXPECT_EQ(layout.FePhyId(0), -1);
  EXPECT_EQ(layout.RowCount(), 2u);
  EXPECT_EQ(layout.ChipPortOfRow(0), 24);
}

TEST(PortLayout, RowsListFastEthernetThenGigabit) {
  const PortLayout layout = MakePortLayout(kChipFamily8326, 24, 2, {24, 25});
  EXPECT_EQ(layout.RowCount(), 26u);
  EXPECT_EQ(layout.ChipPortOfRow(0), 1);
  EXPECT_EQ(layout.ChipPortOfRow(23), 23);
  EXPECT_EQ(layout.ChipPortOfRow(24), 24);
  EXPECT_EQ(layout.ChipPortOfRow(25), 25);
  EXPECT_EQ(layout.ChipPortOfRow(26), -1);
  EXPECT_EQ(RowCaption(layout, 0), "01");
  EXPECT_EQ(RowCaption(layout, 9), "10");
  EXPECT_EQ(RowCaption(layout, 23), "24");
  EXPECT_EQ(RowCaption(layout, 24), "G1");
  EXPECT_EQ(RowCaption(layout, 25), "G2");
  EXPECT_EQ(RowCaption(layout, 26), "");
}

TEST(PortCaptions, CaptionLeadsBackToTheRowsChipPort) {
  const PortLayout layout = MakePortLayout(kChipFamily8326, 24, 2, {24, 25});
  for (size_t row = 0; row < layout.RowCount(); ++row)
    EXPECT_EQ(ChipPortOfCaption(layout, RowCaption(layout, row)), layout.ChipPortOfRow(row)) << row;
}

TEST(PortCaptions, CaptionsOfPortsTheLayoutLacksOrMalformedNameNoPort) {
  const PortLayout eight = MakePortLayout(kChipFamily8324, 8, 0, {22, 23});
  EXPECT_EQ(ChipPortOfCaption(eight, "08"), 15);
  for (const char* caption : {"09", "00", "G1", "G0", "G3", "8", "008", "0a", "g1", "", "-1"})
    EXPECT_EQ(ChipPortOfCaption(eight, caption), -1) << caption;
}

}  // namespace
}  // namespace velkor
