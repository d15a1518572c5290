#include "pages/switch/qos.h"

#include <gtest/gtest.h>

#include "device/message_table.h"
#include "feature_rig.h"

namespace velkor {
namespace {

using testing::FeatureRig;

constexpr uint8_t kF16A = 1, kF24A = 3, kG26A = 6;
constexpr uint16_t kControl = 0x0400, kLowPrio = 0x0401, kHighPrio = 0x0402;
constexpr uint16_t kOffLow = 0x0608, kOffHigh = 0x0609;

struct QosRig : FeatureRig {
  explicit QosRig(uint8_t model, uint32_t control = 0) : FeatureRig(model) {
    Switch().Poke(kControl, control);
    qos.Fill();
    Clear();
  }
  Qos qos{context};
};

TEST(QosFill, ShowsRatioAndSourceAndRefusesConflictingSourceBits) {
  QosRig strict(kF16A, 0x0018);
  EXPECT_EQ(strict.qos.State().ratio, QosRatio::kStrict);
  EXPECT_EQ(strict.qos.State().source, PrioritySource::kPort);
  EXPECT_TRUE(strict.qos.State().listEnabled);

  QosRig conflict(kF16A);
  conflict.Switch().Poke(kControl, 0x0003);
  EXPECT_EQ(conflict.qos.Fill(), Outcome::kSwitchLost);
  EXPECT_EQ(conflict.Texts(),
            std::vector<std::string>{std::string(Message(MessageId::kConflictingPriority))});
  EXPECT_FALSE(conflict.connection.State().connected);
  EXPECT_TRUE(conflict.qos.State().rows.empty()) << "disconnected before the list is filled";
}

TEST(QosFill, ALostReplyShowsUnknownNotTheDefaults) {
  QosRig rig(kF16A, 0x0008);
  rig.LoseReadsOf(kControl);
  EXPECT_EQ(rig.qos.Fill(), Outcome::kNoAnswer);
  EXPECT_FALSE(rig.qos.State().ratio);
  EXPECT_FALSE(rig.qos.State().source);
}

TEST(QosSource, PortOffWritesSurroundTheChangeAndRestoreWhatWasOn) {
  QosRig rig(kF24A);
  rig.Switch().Poke(kOffLow, 0x0004);  // the user had switched chip port 2 off
  rig.Switch().Poke(kLowPrio, 0x0101);
  const uint32_t managed = 1u << rig.Switch().LocalPort();
  EXPECT_EQ(rig.qos.SetSource(PrioritySource::kDot1p), Outcome::kDone);
  EXPECT_EQ(rig.WritesOf(kOffLow), (std::vector<uint32_t>{0xFFFF & ~managed, 0x0004}))
      << "the port the computer uses stays on, the one the user had switched off stays off";
  EXPECT_EQ(rig.WritesOf(kOffHigh), (std::vector<uint32_t>{0x00FF, 0x0000}));
  EXPECT_EQ(rig.WritesOf(kControl), std::vector<uint32_t>{0x0002});
  EXPECT_EQ(rig.Switch().Peek(kLowPrio), 0u);
  const auto& writes = rig.Agent().Writes();
  EXPECT_EQ(writes.front().reg, kOffLow);
  EXPECT_EQ(writes.back().reg, kOffHigh);

  rig.Clear();
  EXPECT_EQ(rig.qos.SetSource(PrioritySource::kDiffServ), Outcome::kDone);
  EXPECT_TRUE(rig.WritesOf(kOffLow).empty()) << "DiffServ switches no port off";
  EXPECT_EQ(rig.WritesOf(kControl), std::vector<uint32_t>{0x0001});

  rig.Clear();
  EXPECT_EQ(rig.qos.SetSource(PrioritySource::kDiffServ), Outcome::kDone);
  EXPECT_TRUE(rig.Agent().Writes().empty()) << "the source in force is not written again";

  rig.Switch().Poke(kControl, 0x001E);
  EXPECT_EQ(rig.qos.SetSource(PrioritySource::kPort), Outcome::kDone);
  EXPECT_EQ(rig.WritesOf(kControl), (std::vector<uint32_t>{0x0018, 0x0018}));
  for (const PortBitRow& row : rig.qos.State().rows) EXPECT_EQ(row.set, false) << row.caption;
}

TEST(QosSource, ALostReadInEachChangeWritesNothing) {
  for (uint16_t lost : {kControl, kOffLow}) {
    QosRig rig(kF16A);
    rig.LoseReadsOf(lost);
    EXPECT_EQ(rig.qos.SetSource(PrioritySource::kDot1p), Outcome::kNoAnswer) << lost;
    EXPECT_TRUE(rig.Agent().Writes().empty()) << lost;
    EXPECT_EQ(rig.Texts(), std::vector<std::string>{std::string(Message(MessageId::kSwitchInfoReadError))});
  }
  QosRig ratio(kF16A);
  ratio.LoseReadsOf(kControl);
  EXPECT_EQ(ratio.qos.SetRatio(QosRatio::k8To1), Outcome::kNoAnswer);
  EXPECT_TRUE(ratio.Agent().Writes().empty());

  QosRig ports(kF24A);
  ports.LoseReadsOf(kHighPrio);
  EXPECT_EQ(ports.qos.SetPortPriority({0}, true), Outcome::kNoAnswer);
  EXPECT_TRUE(ports.Agent().Writes().empty());
}

TEST(QosSource, OneLostReplyIsAskedAgain) {
  QosRig rig(kF16A, 0x0008);
  rig.Agent().Faults().Add(
      {.kind = sim::FaultKind::kLose, .target = sim::FaultTarget::kGet, .count = 1, .reg = kControl});
  EXPECT_EQ(rig.qos.SetRatio(QosRatio::k16To1), Outcome::kDone);
  EXPECT_EQ(rig.WritesOf(kControl), std::vector<uint32_t>{0x0010});
}

TEST(QosPorts, RowsSetInOneFlushAndAlreadySetRowsAreNotRewritten) {
  QosRig rig(kG26A);
  const size_t row03 = 2, rowG1 = rig.Layout().RowCount() - 2;
  ASSERT_EQ(rig.qos.State().rows[rowG1].caption, "G1");
  const int g1 = rig.Layout().ChipPortOfRow(rowG1);
  EXPECT_EQ(rig.qos.SetPortPriority({row03, rowG1}, true), Outcome::kDone);
  EXPECT_EQ(rig.WritesOf(kLowPrio).size(), 1u);
  EXPECT_EQ(rig.WritesOf(kHighPrio).size(), 1u);
  EXPECT_TRUE(rig.qos.State().rows[row03].set.value_or(false));
  EXPECT_TRUE(rig.qos.State().rows[rowG1].set.value_or(false));
  EXPECT_EQ(rig.Switch().Peek(kHighPrio), 1u << (g1 & 15));

  rig.Clear();
  EXPECT_EQ(rig.qos.SetPortPriority({row03}, true), Outcome::kDone);
  EXPECT_TRUE(rig.Agent().Writes().empty()) << "no priority and no port-off writes";

  rig.qos.SetSource(PrioritySource::kDot1p);
  EXPECT_EQ(rig.qos.SetPortPriority({row03}, false), Outcome::kRefused);
}

}  // namespace
}  // namespace velkor
