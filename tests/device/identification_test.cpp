#include "device/identification.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "device/identification_texts.h"
#include "support/transport_rig.h"

namespace velkor {
namespace {

using testing::FakeSwitch;
using testing::TransportRig;

constexpr uint16_t kChipId = 0x0208;
constexpr uint16_t kChipStatus = 0x0100;
constexpr uint16_t kGigaMode = 0x0102;
constexpr uint16_t kPhyCommand = 0x0500;
constexpr uint16_t kPhyData = 0x0502;

// A switch whose PHY management answers register 0 of each PHY from phyControl (0xFFFF when the
// PHY is not listed, as an empty address reads) and notes which PHYs were asked.
struct ScriptedSwitch {
  explicit ScriptedSwitch(uint16_t chipId) {
    fake.registers[kChipId] = chipId;
    fake.onSet = [this](uint16_t reg, uint32_t value) {
      if (reg != kPhyCommand) return;
      const uint8_t phy = (value >> 5) & 0x1F;
      probed.push_back(phy);
      fake.registers[kPhyData] = phyControl.count(phy) ? phyControl[phy] : 0xFFFF;
    };
  }

  FakeSwitch fake{testing::kSwitchMac};
  std::map<uint8_t, uint16_t> phyControl;
  std::vector<uint8_t> probed;
};

struct Identified {
  explicit Identified(ScriptedSwitch& s) : rig(s.fake) { rig.discovery.Discover(); }
  TransportRig rig;
  SwitchIdentifier identifier{rig.discovery, rig.link, rig.engine, rig.access};
};

std::vector<int> FePhyIds(const PortLayout& layout) {
  std::vector<int> ids;
  for (int i = 0; i < layout.FeCount(); ++i) ids.push_back(layout.FePhyId(i));
  return ids;
}

TEST(Identification, Family2VariantsSetPortCountsAndOnlyEightPortChipsProbe) {
  struct Case {
    uint16_t chipId;
    int feCount;
    std::vector<uint8_t> probes;
  };
  for (const Case& c :
       {Case{0x0101, 16, {}}, Case{0x0102, 8, {22, 23}}, Case{0x0003, 24, {}}, Case{0x0007, 8, {22, 23}}}) {
    ScriptedSwitch s(c.chipId);
    Identified t(s);
    ASSERT_EQ(t.identifier.IdentifySwitch(0), 1) << c.chipId;
    EXPECT_EQ(t.identifier.ChipFamily(), 2);
    EXPECT_EQ(t.identifier.ChipModel(), c.chipId & 0xFF);
    EXPECT_EQ(t.identifier.PanelType(), 3);
    EXPECT_EQ(t.identifier.McuPresent(), 0);
    EXPECT_EQ(t.identifier.EepromPresent(), 1);
    const PortLayout& layout = t.identifier.Layout();
    EXPECT_EQ(layout.FeCount(), c.feCount);
    EXPECT_EQ(layout.GCount(), 0);
    EXPECT_EQ(layout.PortSlots(), 24) << "24 slots on the 8324 family whatever its port count";
    EXPECT_EQ(layout.GPhyId(0), 22);
    EXPECT_EQ(layout.GPhyId(1), 23);
    EXPECT_EQ(s.probed, c.probes);
  }
}

TEST(Identification, EightPortChipUsesChipPorts8To15AndReportsAbsentAndGigabitPhys) {
  ScriptedSwitch s(0x0102);
  s.phyControl[23] = 0x1140;
  s.fake.registers[kGigaMode] = 0x0008;
  Identified t(s);
  ASSERT_EQ(t.identifier.IdentifySwitch(0), 1);
  EXPECT_EQ(FePhyIds(t.identifier.Layout()), (std::vector<int>{8, 9, 10, 11, 12, 13, 14, 15}));
  EXPECT_EQ(t.identifier.GigaPhy1Status(), kGigaPhyAbsent);
  EXPECT_EQ(t.identifier.GigaPhy2Status(), kGigaPhy1000);
  // The result belongs to the switch's discovery entry.
  EXPECT_EQ(t.rig.discovery.Switch(0)->identification.gigaPhy2Status, kGigaPhy1000);
}

TEST(Identification, Family1Is24FePlus2GAndProbesPhys2And3) {
  ScriptedSwitch s(0x0005);
  s.phyControl[2] = 0x3100;
  s.phyControl[3] = 0x3100;
  Identified t(s);
  ASSERT_EQ(t.identifier.IdentifySwitch(0), 1);
  EXPECT_EQ(t.identifier.ChipFamily(), 1);
  EXPECT_EQ(t.identifier.ChipModel(), 0);
  const PortLayout& layout = t.identifier.Layout();
  EXPECT_EQ(layout.FeCount(), 24);
  EXPECT_EQ(layout.GCount(), 2);
  EXPECT_EQ(layout.PortSlots(), 26);
  EXPECT_EQ(layout.GPhyId(0), 24);
  EXPECT_EQ(layout.GPhyId(1), 25);
  EXPECT_EQ(FePhyIds(layout), (std::vector<int>{1,  0,  3,  2,  5,  4,  7,  6,  9,  8,  11, 10,
                                                13, 12, 15, 14, 17, 16, 19, 18, 21, 20, 22, 23}));
  EXPECT_EQ(s.probed, (std::vector<uint8_t>{2, 3}));
  EXPECT_EQ(t.identifier.GigaPhy1Status(), kGigaPhyNot1000);
  EXPECT_EQ(t.identifier.GigaPhy2Status(), kGigaPhyNot1000);
}

TEST(Identification, MissingEepromFailsAfterStoringTheChipFieldsAndKeepsTheOldLayout) {
  ScriptedSwitch s(0x0005);
  Identified t(s);
  ASSERT_EQ(t.identifier.IdentifySwitch(0), 1);
  s.fake.registers[kChipId] = 0x0102;
  s.fake.registers[kChipStatus] = 0x0001;
  EXPECT_EQ(t.identifier.IdentifySwitch(0), -1);
  EXPECT_EQ(t.identifier.ChipFamily(), 2);
  EXPECT_EQ(t.identifier.ChipModel(), 2);
  EXPECT_EQ(t.identifier.EepromPresent(), 0);
  EXPECT_EQ(t.identifier.Layout().FeCount(), 24);
}

TEST(Identification, SmallerChipAfterLargerLeavesNoStalePorts) {
  ScriptedSwitch s(0x0005);
  Identified t(s);
  ASSERT_EQ(t.identifier.IdentifySwitch(0), 1);
  s.fake.registers[kChipId] = 0x0102;
  ASSERT_EQ(t.identifier.IdentifySwitch(0), 1);
  const PortLayout& layout = t.identifier.Layout();
  EXPECT_EQ(layout.FeCount(), 8);
  EXPECT_EQ(layout.GCount(), 0);
  for (size_t i = 8; i < kFePortSlots; ++i) EXPECT_EQ(layout.FePhyId(i), -1) << i;
}

// A lost reply reads as 0, which must not pass for an 8326 with an EEPROM.
TEST(Identification, UnansweredChipReadsFail) {
  struct Case {
    uint16_t lost;
    uint8_t familyLearned;
  };
  for (const Case& c : {Case{kChipId, 0}, Case{kChipStatus, 2}}) {
    ScriptedSwitch s(0x0102);
    s.fake.silent.insert(c.lost);
    Identified t(s);
    EXPECT_EQ(t.identifier.IdentifySwitch(0), -1) << c.lost;
    EXPECT_EQ(t.identifier.ChipFamily(), c.familyLearned);
    EXPECT_EQ(t.identifier.EepromPresent(), 0);
    EXPECT_EQ(t.identifier.Layout().FeCount(), 0);
  }
}

TEST(Identification, UnansweredProbeLeavesStatusNotProbed) {
  ScriptedSwitch phyLost(0x0005);
  phyLost.fake.silent.insert(kPhyData);
  Identified a(phyLost);
  EXPECT_EQ(a.identifier.IdentifySwitch(0), 1);
  EXPECT_EQ(a.identifier.GigaPhy1Status(), kGigaPhyNotProbed);
  EXPECT_EQ(a.identifier.GigaPhy2Status(), kGigaPhyNotProbed);

  ScriptedSwitch modeLost(0x0005);
  modeLost.phyControl[2] = 0x3100;
  modeLost.fake.silent.insert(kGigaMode);
  Identified b(modeLost);
  EXPECT_EQ(b.identifier.IdentifySwitch(0), 1);
  EXPECT_EQ(b.identifier.GigaPhy1Status(), kGigaPhyNotProbed) << "a lost 0x0102 is not 'bit 3 clear'";
  EXPECT_EQ(b.identifier.GigaPhy2Status(), kGigaPhyAbsent);
}

TEST(Identification, IndexBeyondTableOrClosedChannelsFail) {
  ScriptedSwitch s(0x0005);
  Identified t(s);
  EXPECT_EQ(t.identifier.IdentifySwitch(1), -1);
  EXPECT_EQ(t.rig.discovery.Selected(), 0u);
  t.rig.link.CloseChannels();
  EXPECT_EQ(t.identifier.IdentifySwitch(0), -1) << "no register filter without channels";
  EXPECT_EQ(s.fake.gets, 0);
}

// The model texts depend on the family; a value without a text leaves the field alone.
TEST(IdentificationTexts, ModelTextsFollowTheFamilyAndGapsHaveNone) {
  EXPECT_EQ(ChipModelText(1, 0), "24FE+2G");
  EXPECT_EQ(ChipModelText(2, 0), "8FE+2G");
  EXPECT_EQ(ChipModelText(2, 10), "16FE+1G+1MII");
  EXPECT_EQ(ChipModelText(2, 7), std::nullopt);
  EXPECT_EQ(ChipModelText(0, 0), std::nullopt);
  EXPECT_EQ(ChipFamilyText(3), std::nullopt);
  EXPECT_EQ(PanelTypeText(4), std::nullopt);
  EXPECT_EQ(GigaPhyStatusText(6), std::nullopt);
  EXPECT_EQ(PresenceText(2), "Yes");
}

}  // namespace
}  // namespace velkor
