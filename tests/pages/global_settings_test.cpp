#include "pages/switch/global_settings.h"

#include <gtest/gtest.h>

#include "feature_rig.h"

namespace velkor {
namespace {

using testing::FeatureRig;

constexpr uint8_t kF16A = 1;

struct GlobalRig : FeatureRig {
  GlobalRig() : FeatureRig(kF16A) { Clear(); }
  GlobalSettings settings{context};
};

TEST(GlobalSettings, EachControlChangesOnlyItsBit) {
  GlobalRig rig;
  rig.Switch().Poke(0x0607, 0x001C);
  rig.Switch().Poke(0x0308, 0x0003);
  EXPECT_EQ(rig.settings.Fill(), Outcome::kDone);
  EXPECT_EQ(rig.settings.State()[0], false) << "the factory value shows every flow control off";
  EXPECT_EQ(rig.settings.State()[2], false);

  EXPECT_EQ(rig.settings.Set(GlobalControl::kMulticastControl, true), Outcome::kDone);
  EXPECT_EQ(rig.WritesOf(0x0607), std::vector<uint32_t>{0x0014});
  EXPECT_EQ(rig.settings.Set(GlobalControl::kIgmpSnooping, false), Outcome::kDone);
  EXPECT_EQ(rig.WritesOf(0x0308), std::vector<uint32_t>{0x0002});
}

TEST(GlobalSettings, ALostReadWritesNothingAndShowsUnknown) {
  GlobalRig rig;
  rig.LoseReadsOf(0x0607);
  EXPECT_EQ(rig.settings.Set(GlobalControl::kStormFilter, true), Outcome::kNoAnswer);
  EXPECT_TRUE(rig.Agent().Writes().empty());
  EXPECT_EQ(rig.settings.Fill(), Outcome::kNoAnswer);
  EXPECT_FALSE(rig.settings.State()[0].has_value());
  EXPECT_TRUE(rig.settings.State()[3].has_value()) << "the other registers still show";
}

}  // namespace
}  // namespace velkor
