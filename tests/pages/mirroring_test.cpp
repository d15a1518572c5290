#include "pages/switch/mirroring.h"

#include <gtest/gtest.h>

#include "device/message_table.h"
#include "feature_rig.h"

namespace velkor {
namespace {

using testing::FeatureRig;

constexpr uint8_t kF16A = 1;
constexpr uint16_t kMirror = 0x0219, kReceive = 0x021B, kTransmit = 0x021D;

struct MirrorRig : FeatureRig {
  MirrorRig() : FeatureRig(kF16A) {
    mirroring.Fill();
    Clear();
  }
  // A row of a port that is not the management port (no trunk group is on at first).
  size_t FreeRow(size_t skip = 0) {
    for (size_t row = 0; row < Layout().RowCount(); ++row) {
      const int p = Layout().ChipPortOfRow(row);
      if (p != Switch().LocalPort() && skip-- == 0) return row;
    }
    return Layout().RowCount();
  }
  std::string LastText() const { return prompter.shown.empty() ? "" : prompter.shown.back().text; }
  uint32_t BitOf(size_t row) { return 1u << Layout().ChipPortOfRow(row); }
  Mirroring mirroring{context};
};

TEST(Mirroring, RefusalsComeInTheirOrderAndWriteNothing) {
  MirrorRig rig;
  const size_t row = rig.FreeRow();
  rig.Switch().Poke(kReceive, rig.BitOf(row));
  rig.Switch().Poke(0x0307, 0x00FF);  // every trunk group on: the port is a mirrored one first
  rig.prompter.Script(Answer::kYes);
  EXPECT_EQ(rig.mirroring.Enable(MirrorRole::kMirror, row), Outcome::kRefused);
  EXPECT_EQ(rig.LastText(), Message(MessageId::kMirrorAndMirrored));

  rig.Switch().Poke(kReceive, 0);
  EXPECT_EQ(rig.mirroring.Enable(MirrorRole::kTransmit, row), Outcome::kRefused);
  EXPECT_EQ(rig.LastText(), Message(MessageId::kTrunkMemberCannotMirror));

  rig.Switch().Poke(0x0307, 0);
  const size_t managed = rig.RowOf(rig.Switch().LocalPort());
  EXPECT_EQ(rig.mirroring.Enable(MirrorRole::kTransmit, managed), Outcome::kRefused);
  EXPECT_EQ(rig.LastText(), Message(MessageId::kManagementPortCannotMirror));
  EXPECT_TRUE(rig.Agent().Writes().empty());
}

TEST(Mirroring, AMirrorPortIsAskedAboutAndTwoMirroredPortsFollow) {
  MirrorRig rig;
  const size_t mirror = rig.FreeRow(), a = rig.FreeRow(1), b = rig.FreeRow(2);
  rig.prompter.Script(Answer::kNo);
  EXPECT_EQ(rig.mirroring.Enable(MirrorRole::kMirror, mirror), Outcome::kNotConfirmed);
  EXPECT_TRUE(rig.Agent().Writes().empty());

  rig.prompter.Script(Answer::kYes);
  EXPECT_EQ(rig.mirroring.Enable(MirrorRole::kMirror, mirror), Outcome::kDone);
  EXPECT_EQ(rig.mirroring.Enable(MirrorRole::kReceive, a), Outcome::kDone);
  EXPECT_EQ(rig.mirroring.Enable(MirrorRole::kTransmit, b), Outcome::kDone);
  EXPECT_EQ(rig.mirroring.Enable(MirrorRole::kReceive, mirror), Outcome::kRefused);
  EXPECT_EQ(rig.Switch().Peek(kMirror), rig.BitOf(mirror));
  EXPECT_EQ(rig.Switch().Peek(kReceive), rig.BitOf(a));
  EXPECT_EQ(MirroringMask(rig.context), rig.BitOf(mirror) | rig.BitOf(a) | rig.BitOf(b));

  rig.Clear();
  EXPECT_EQ(rig.mirroring.Disable(MirrorRole::kTransmit, {a}), Outcome::kDone);
  EXPECT_TRUE(rig.Agent().Writes().empty()) << "already off: nothing written";
}

TEST(Mirroring, ALostReadWritesNothing) {
  MirrorRig rig;
  rig.Switch().Poke(kTransmit, rig.BitOf(rig.FreeRow()));
  rig.LoseReadsOf(kTransmit);
  EXPECT_EQ(rig.mirroring.Enable(MirrorRole::kReceive, rig.FreeRow(1)), Outcome::kNoAnswer);
  EXPECT_EQ(rig.mirroring.Disable(MirrorRole::kTransmit, {rig.FreeRow()}), Outcome::kNoAnswer);
  EXPECT_TRUE(rig.Agent().Writes().empty());
  EXPECT_FALSE(MirroringMask(rig.context));
}

}  // namespace
}  // namespace velkor
