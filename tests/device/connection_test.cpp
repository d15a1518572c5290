#include "device/connection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "device/message_table.h"
#include "support/scripted_connection_ui.h"
#include "support/scripted_prompter.h"
#include "support/transport_rig.h"

namespace velkor {
namespace {

using testing::FakeSwitch;
using testing::kSwitchMac;

ConnectOutcome Password(const std::string& p) { return {ConnectOutcome::Kind::kConnect, p, ""}; }
ConnectOutcome Recover(const std::string& code) { return {ConnectOutcome::Kind::kRecover, "", code}; }

class ConnectionTest : public ::testing::Test {
 protected:
  FakeSwitch sw{kSwitchMac};
  testing::TransportRig rig{sw};
  SwitchIdentifier identifier{rig.discovery, rig.link, rig.engine, rig.access};
  testing::ScriptedPrompter prompter;
  testing::ScriptedConnectDialog dialog;
  testing::CountingProgressUi progress;
  testing::RecordingEvents events;
  Connection connection{rig.session, identifier, prompter, dialog, progress, rig.busy, events};

  // A QX-F8A: 8 Fast Ethernet ports, model byte 2, password "abc12".
  void SetUp() override {
    sw.modelCode = 2;
    sw.registers[0x0207] = 0x4140;
    sw.registers[0x0208] = 0x0002;
    sw.eeprom[0x1C] = 2;
    StorePassword("abc12");
    std::memcpy(&sw.eeprom[0x200], "core", 4);
    rig.discovery.Discover();
  }
  void StorePassword(const char* p) {
    std::fill_n(&sw.eeprom[0x1A2], 6, 0);
    std::memcpy(&sw.eeprom[0x1A2], p, std::strlen(p));
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const Prompt& p : prompter.shown) t.push_back(p.text);
    return t;
  }
  bool Has(const std::string& call) const {
    return std::find(events.calls.begin(), events.calls.end(), call) != events.calls.end();
  }
  bool Connect(int row) { return connection.ConnectToSwitch(row).outcome == Outcome::kDone; }
  size_t EepromCommands() const {
    return std::count_if(sw.writes.begin(), sw.writes.end(), [](auto& w) { return w.first == 0x0217; });
  }
};

TEST_F(ConnectionTest, RightPasswordConnectsAndShowsTheSwitchPages) {
  dialog.outcomes.push_back(Password("abc12"));
  ASSERT_TRUE(Connect(0));
  EXPECT_TRUE(connection.State().connected);
  EXPECT_TRUE(connection.State().unsaved);
  EXPECT_EQ(connection.State().modelCode, 2);
  EXPECT_EQ(events.calls, std::vector<std::string>{"Connected 2 00:E0:4C:00:00:10"});
  EXPECT_EQ(progress.maximum, 8 * 8 + 22);
  EXPECT_EQ(progress.steps, 8 * 8 + 22);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(rig.cache.switchDescription.data())), "core");
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(ConnectionTest, PasswordRules) {
  StorePassword("AbCdEf");
  dialog.outcomes = {Password(""), Password("abcdef"), Password("AbCdE"), Password("AbCdEfXYZ")};
  EXPECT_EQ(connection.ConnectToSwitch(0).outcome, Outcome::kRefused);
  EXPECT_FALSE(Connect(0));
  EXPECT_FALSE(Connect(0));
  EXPECT_EQ(Texts(), (std::vector<std::string>{std::string(Message(MessageId::kPasswordEmpty)),
                                               std::string(Message(MessageId::kPasswordWrong)),
                                               std::string(Message(MessageId::kPasswordWrong))}));
  EXPECT_EQ(prompter.shown[0].caption, "错误");
  // Only six characters fit the password buffer; the rest of a pasted entry is cut off.
  EXPECT_TRUE(Connect(0));
}

TEST_F(ConnectionTest, FactoryPasswordRecovery) {
  dialog.outcomes = {Recover("m7k2x9p4w"), Recover("m7k2x9p4w1"), Recover("m7k2x9p4w1"),
                     Recover("m7k2x9p4w1")};
  EXPECT_EQ(connection.ConnectToSwitch(0).recovery, Outcome::kRefused);
  EXPECT_EQ(Texts().back(), Message(MessageId::kRecoveryCodeWrong));

  prompter.Script(Answer::kNo);
  EXPECT_EQ(connection.ConnectToSwitch(0).recovery, Outcome::kNotConfirmed);

  prompter.Script(Answer::kYes);
  const LoginResult recovered = connection.ConnectToSwitch(0);
  EXPECT_EQ(recovered.outcome, Outcome::kNotConfirmed) << "a recovery never connects";
  EXPECT_EQ(recovered.recovery, Outcome::kDone);
  EXPECT_EQ(Texts().back(), Message(MessageId::kPasswordRecovered));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&sw.eeprom[0x1A2]), 6), std::string("vemix\0", 6));

  sw.stuckByte = 0x1A3;
  StorePassword("abc12");
  prompter.Script(Answer::kYes);
  EXPECT_EQ(connection.ConnectToSwitch(0).recovery, Outcome::kNotVerified);
  EXPECT_EQ(Texts().back(), Message(MessageId::kPasswordRecoveryFailed));
  EXPECT_FALSE(connection.State().connected);
}

TEST_F(ConnectionTest, WholeModelByteMustMatchTheListedModel) {
  sw.eeprom[0x1C] = 0x12;
  EXPECT_EQ(connection.ConnectToSwitch(0).outcome, Outcome::kNoAnswer) << "the list is to be renewed";
  EXPECT_EQ(Texts(), std::vector<std::string>{std::string(Message(MessageId::kSwitchInfoReadError))});
  EXPECT_EQ(dialog.runs, 0);
  EXPECT_EQ(connection.State().modelCode, 0);
}

TEST_F(ConnectionTest, LostPasswordReadFailsTheLoginInsteadOfMatchingAnEmptyEntry) {
  StorePassword("");
  sw.onGet = [&](uint16_t reg, uint32_t v) {
    const auto ctl = sw.registers[0x0217] & 0x7FF;
    if (reg == 0x0218 && ctl >= 0x1A2 && ctl < 0x1A8) sw.answering = false;
    return v;
  };
  dialog.outcomes.push_back(Password("x"));
  EXPECT_FALSE(Connect(0));
  EXPECT_EQ(dialog.runs, 0);
  EXPECT_EQ(Texts().back(), Message(MessageId::kSwitchInfoReadError));
}

TEST_F(ConnectionTest, UnknownModelAndNegativeRowDoNothing) {
  sw.modelCode = 5;
  rig.discovery.Discover();
  rig.wire.ClearSent("eth0");
  EXPECT_FALSE(Connect(0));
  EXPECT_FALSE(Connect(-1));
  EXPECT_TRUE(rig.Sent().empty());
}

std::string CachedDescription(const DescriptionCache& cache) {
  return reinterpret_cast<const char*>(cache.switchDescription.data());
}

TEST_F(ConnectionTest, MicrocontrollerModelConnectsWithoutPasswordShowingItsOwnTexts) {
  dialog.outcomes.push_back(Password("abc12"));
  ASSERT_TRUE(Connect(0));
  ASSERT_EQ(CachedDescription(rig.cache), "core");
  connection.Disconnect(false);

  // The same address now answers as a QX-G26A with texts of its own.
  sw.modelCode = 6;
  sw.registers[0x0208] = 0x0000;
  std::memcpy(&sw.eeprom[0x200], "g26\0", 4);
  std::memcpy(&sw.eeprom[0x22A], "up\0", 3);
  rig.discovery.Discover();
  EXPECT_TRUE(Connect(0));
  EXPECT_EQ(dialog.runs, 1) << "no password dialog";
  EXPECT_EQ(connection.State().modelCode, 6);
  EXPECT_EQ(identifier.Layout().GCount(), 2);
  EXPECT_EQ(CachedDescription(rig.cache), "g26");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(rig.cache.ports[0].data())), "up");

  // Texts that cannot be read are shown as none, never as another switch's.
  connection.Disconnect(false);
  sw.silent.insert(0x0218);
  EXPECT_TRUE(Connect(0));
  EXPECT_EQ(CachedDescription(rig.cache), "");
  EXPECT_EQ(rig.cache.ports[0][0], 0);
}

TEST_F(ConnectionTest, ConnectionCheckRetriesOnceThenDisconnects) {
  dialog.outcomes.push_back(Password("abc12"));
  ASSERT_TRUE(Connect(0));
  int reads = 0;
  sw.onGet = [&](uint16_t reg, uint32_t v) {
    if (reg == 0x0207 && reads++ == 0) return 0u;
    return v;
  };
  EXPECT_TRUE(connection.CheckConnection());
  EXPECT_TRUE(prompter.shown.empty());

  events.calls.clear();
  sw.answering = false;
  EXPECT_FALSE(connection.CheckConnection());
  EXPECT_EQ(Texts(), std::vector<std::string>{std::string(Message(MessageId::kConnectionLost))});
  // Lost comes before the message, so that no refresh runs under it.
  EXPECT_EQ(events.calls, (std::vector<std::string>{"Lost", "Disconnected"}));
  EXPECT_FALSE(connection.State().connected);
  EXPECT_EQ(connection.State().modelCode, 0);
  EXPECT_FALSE(connection.CheckConnection());  // no message once disconnected
  EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(ConnectionTest, DisconnectButtonAndClosingAskBeforeActing) {
  dialog.outcomes.push_back(Password("abc12"));
  ASSERT_TRUE(Connect(0));
  events.calls.clear();

  prompter.Script(Answer::kNo);
  EXPECT_EQ(connection.DisConnectBtnClick(), Outcome::kNotConfirmed);
  EXPECT_TRUE(connection.State().connected);

  prompter.Script(Answer::kCancel);
  EXPECT_FALSE(connection.FormClose());
  EXPECT_EQ(prompter.shown.back().icon, MessageIcon::kWarning);
  EXPECT_EQ(prompter.shown.back().caption, "确认");
  prompter.Script(Answer::kNo);
  EXPECT_TRUE(connection.FormClose());
  EXPECT_TRUE(events.calls.empty());

  // A save that failed while the switch answers keeps the program open for another try.
  events.saveOutcome = Outcome::kNoAnswer;
  prompter.Script(Answer::kYes);
  EXPECT_FALSE(connection.FormClose());
  events.saveOutcome = Outcome::kDone;
  prompter.Script(Answer::kYes);
  EXPECT_TRUE(connection.FormClose());
  events.calls.clear();

  prompter.Script(Answer::kYes);
  prompter.Script(Answer::kYes);
  EXPECT_EQ(connection.DisConnectBtnClick(), Outcome::kDone);
  EXPECT_EQ(events.calls, (std::vector<std::string>{"Save", "Disconnected"}));
  EXPECT_FALSE(connection.State().connected);
  EXPECT_TRUE(connection.FormClose());
}

TEST_F(ConnectionTest, LeavingAsksToSaveOnlyWhenTheSwitchHoldsUnsavedSettings) {
  dialog.outcomes.push_back(Password("abc12"));
  ASSERT_TRUE(Connect(0));
  events.unsaved = false;
  EXPECT_TRUE(connection.FormClose());
  EXPECT_TRUE(prompter.shown.empty());

  connection.SetUnsaved(false);
  events.unsaved = true;  // a change the flag did not hear of
  prompter.Script(Answer::kCancel);
  EXPECT_FALSE(connection.FormClose());
  prompter.Script(Answer::kYes);
  prompter.Script(Answer::kNo);
  EXPECT_EQ(connection.DisConnectBtnClick(), Outcome::kDone);
  EXPECT_EQ(Texts(), (std::vector<std::string>{std::string(Message(MessageId::kAskSaveOnExit)),
                                               std::string(Message(MessageId::kConfirmDisconnect)),
                                               std::string(Message(MessageId::kAskSave))}));
}

TEST_F(ConnectionTest, FatalErrorClosesWithoutQuestions) {
  dialog.outcomes.push_back(Password("abc12"));
  ASSERT_TRUE(Connect(0));
  connection.FatalSwitchError();
  EXPECT_TRUE(Has("Fatal"));
  EXPECT_TRUE(connection.FormClose());
  EXPECT_EQ(prompter.shown.size(), 1u);
}

}  // namespace
}  // namespace velkor
