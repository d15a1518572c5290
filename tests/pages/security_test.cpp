#include "pages/switch/security.h"

#include <gtest/gtest.h>

#include <array>

#include "device/message_table.h"
#include "feature_rig.h"

namespace velkor {
namespace {

using testing::FeatureRig;

constexpr uint8_t kF16A = 1, kG26A = 6;
constexpr uint16_t kManagementOff = 0x0201;

struct SecurityRig : FeatureRig {
  explicit SecurityRig(uint8_t model = kF16A) : FeatureRig(model) {
    security.Fill();
    Clear();
  }
  std::array<uint8_t, kPasswordSize> Stored() {
    std::array<uint8_t, kPasswordSize> bytes{};
    transport.blocks.ReadPasswordBytes(bytes);
    return bytes;
  }
  // Ends the connection and logs in again with password.
  bool Reconnect(const std::string& password) {
    connection.Disconnect(false);
    dialog.outcomes.push_back({ConnectOutcome::Kind::kConnect, password, ""});
    return connection.ConnectToSwitch(0).outcome == Outcome::kDone;
  }
  Security security{context};
};

TEST(Password, ASixCharacterPasswordFillsAllSixBytesAndIsTheNextLogin) {
  SecurityRig rig;
  rig.prompter.Script(Answer::kYes);
  EXPECT_EQ(rig.security.ChangePassword(kFactoryPassword, "Ab3de6", "Ab3de6"), Outcome::kDone);
  EXPECT_EQ(rig.Texts(), std::vector<std::string>({std::string(Message(MessageId::kConfirmPasswordChange)),
                                                   std::string(Message(MessageId::kPasswordChanged))}));
  const std::array<uint8_t, kPasswordSize> six{'A', 'b', '3', 'd', 'e', '6'};
  EXPECT_EQ(rig.Stored(), six);
  EXPECT_FALSE(rig.Reconnect(kFactoryPassword));
  EXPECT_TRUE(rig.Reconnect("Ab3de6"));
}

TEST(Password, RefusalsComeInOrderAndWriteNothing) {
  struct Case {
    const char* current;
    const char* next;
    const char* again;
    MessageId shown;
  };
  const Case cases[] = {
      {"VEMIX", "new", "new", MessageId::kCurrentPasswordWrong},  // another letter case
      {kFactoryPassword, "new1", "new2", MessageId::kPasswordsDiffer},
      {kFactoryPassword, "", "", MessageId::kNewPasswordEmpty},
  };
  for (const Case& c : cases) {
    SecurityRig rig;
    const auto before = rig.Stored();
    rig.Clear();
    rig.prompter.Script(Answer::kYes);
    EXPECT_EQ(rig.security.ChangePassword(c.current, c.next, c.again), Outcome::kRefused) << c.current;
    EXPECT_EQ(rig.Texts().back(), Message(c.shown));
    EXPECT_EQ(rig.Stored(), before);
  }
  SecurityRig no;
  no.prompter.Script(Answer::kNo);
  EXPECT_EQ(no.security.ChangePassword(kFactoryPassword, "x", "x"), Outcome::kNotConfirmed);

  SecurityRig g26(kG26A);
  EXPECT_FALSE(g26.security.State().passwordShown);
}

TEST(Management, TheManagementPortAmongTwoRowsIsRefusedAndTheOtherChanges) {
  SecurityRig rig;
  const int inUse = rig.Switch().LocalPort(), other = rig.Layout().ChipPortOfRow(3);
  ASSERT_NE(inUse, other);
  EXPECT_EQ(rig.security.SetManagement({rig.RowOf(inUse), 3}, false), Outcome::kRefused);
  EXPECT_EQ(rig.Texts(), std::vector<std::string>{std::string(Message(MessageId::kManagementPortInUse))});
  EXPECT_EQ(rig.Switch().Peek(kManagementOff), 1u << other);
  EXPECT_FALSE(rig.Switch().Peek(kManagementOff) >> inUse & 1);
  EXPECT_EQ(rig.security.State().rows[3].set, true);

  rig.Clear();
  EXPECT_EQ(rig.security.SetManagement({3}, true), Outcome::kDone);
  EXPECT_EQ(rig.Switch().Peek(kManagementOff), 0u);
}

TEST(Management, ALostReadWritesNothing) {
  SecurityRig rig;
  rig.LoseReadsOf(kManagementOff);
  EXPECT_EQ(rig.security.SetManagement({3}, false), Outcome::kNoAnswer);
  EXPECT_TRUE(rig.Agent().Writes().empty());
  EXPECT_EQ(rig.security.Fill(), Outcome::kNoAnswer);
  EXPECT_FALSE(rig.security.State().rows[3].set);
}

}  // namespace
}  // namespace velkor
