#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "cli/exit_codes.h"
#include "cli/run_ctl.h"
#include "device/gbk_text.h"
#include "device/message_table.h"
#include "sim/segment.h"
#include "support/scripted_terminal.h"
#include "testing/virtual_clock.h"

namespace velkor::cli {
namespace {

constexpr Mac kHost{0x02, 0, 0, 0, 0, 0x01};

// velkorctl against one emulated switch with its factory EEPROM (password "vemix").
class LoginTest : public ::testing::Test {
 protected:
  VirtualClock clock;
  MemoryWire wire{clock};
  sim::Segment segment{clock};
  testing::ScriptedTerminal terminal;
  std::ostringstream out, err;

  void Attach(uint8_t modelCode) {
    segment.AddSwitch({.modelCode = modelCode});
    wire.AddDevice({"veth0", "", 0x0A000001u}, kHost, &segment);
  }
  sim::EmulatedSwitch& Switch() { return segment.Switch(0); }
  int Run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    return RunCtl(args, wire, clock, terminal, out, err);
  }
  bool ErrorSays(std::string_view text) const { return err.str().find(text) != std::string::npos; }
  std::string StoredPassword() {
    std::string p;
    for (uint16_t a = 0x1A2; a < 0x1A8 && Switch().Eeprom().Byte(a); ++a)
      p += char(Switch().Eeprom().Byte(a));
    return p;
  }
};

TEST_F(LoginTest, InfoDescribesTheIdentifiedSwitch) {
  Attach(1);
  ASSERT_EQ(Run({"info", "--password", "vemix", "--json"}), kExitOk) << err.str();
  const std::string json = out.str();
  EXPECT_NE(json.find("\"model\": \"QX-F16A\""), std::string::npos) << json;
  EXPECT_NE(json.find("\"eeprom\": true"), std::string::npos);
  EXPECT_NE(json.find("\"fe_ports\": 16"), std::string::npos);
  EXPECT_NE(json.find("\"ports\": \"1="), std::string::npos);
  EXPECT_TRUE(terminal.prompts.empty()) << "a password on the command line is not asked for again";
}

// Polls of a busy bit and the data register of the EEPROM are reads of a channel, not of a value.
TEST_F(LoginTest, LoginReadsEachRegisterAndEepromByteOnceAndNoDescription) {
  Attach(3);
  ASSERT_EQ(Run({"info", "--password", "vemix"}), kExitOk) << err.str();
  std::map<uint16_t, int> gets, eepromReads;
  for (const auto& f : wire.Sent("veth0")) {
    const auto reg = static_cast<uint16_t>(f[18] | f[19] << 8);
    // The identity register is also the fence of the reads that must not take a stale reply.
    if (f[15] == 0x01 && reg != 0x0217 && reg != 0x0218 && reg != 0x0207) ++gets[reg];
    if (f[15] == 0x02 && reg == 0x0217 && (f[20] | f[21] << 8) & 0x0800)
      ++eepromReads[(f[20] | f[21] << 8) & 0x7FF];
  }
  for (const auto& [reg, n] : gets) EXPECT_EQ(n, 1) << std::hex << reg;
  for (const auto& [addr, n] : eepromReads) {
    EXPECT_EQ(n, 1) << std::hex << addr;
    EXPECT_LT(addr, 0x200) << "no description is shown, so none is read";
  }
  EXPECT_EQ(eepromReads.size(), 7u) << "the model byte and the password";
}

TEST_F(LoginTest, PasswordRulesAreThoseOfTheConnectDialog) {
  Attach(2);
  EXPECT_EQ(Run({"info", "--password", "VEMIX"}), kExitNotConnected);
  EXPECT_TRUE(ErrorSays(Message(MessageId::kPasswordWrong)));
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(Run({"info", "--password", ""}), kExitNotConnected);
  EXPECT_TRUE(ErrorSays(Message(MessageId::kPasswordEmpty)));
  // Asked at the terminal, without echo, when not given.
  terminal.password = "vemix";
  EXPECT_EQ(Run({"info"}), kExitOk);
  ASSERT_EQ(terminal.prompts.size(), 1u);
  EXPECT_NE(terminal.prompts[0].find("QX-F8A"), std::string::npos);
  // No one to ask: refused with a hint, never an empty password.
  terminal.interactive = false;
  EXPECT_EQ(Run({"get", "0x0207"}), kExitNotConnected);
  EXPECT_TRUE(ErrorSays("give --password"));
}

TEST_F(LoginTest, PasswordsAreComparedAsAtMostSixGbkBytes) {
  Attach(2);
  const auto stored = Utf8ToGbk("密码密");  // six bytes, no terminator
  ASSERT_TRUE(stored);
  for (size_t i = 0; i < stored->size(); ++i) Switch().Eeprom().SetByte(0x1A2 + i, (*stored)[i]);
  EXPECT_EQ(Run({"info", "--password", "密码密"}), kExitOk) << err.str();
  EXPECT_EQ(Run({"info", "--password", "密码密码"}), kExitOk) << "the fourth character is cut off whole";
  EXPECT_EQ(Run({"info", "--password", "密码"}), kExitNotConnected);
  Switch().Eeprom().SetByte(0x1A7, 0);  // "密码" and half a character: never matched by a cut
  EXPECT_EQ(Run({"info", "--password", "密码密"}), kExitNotConnected);
  EXPECT_EQ(Run({"info", "--password", "密码\xF0\x9F\x98\x80"}), kExitNotConnected) << "no GBK form";

  Switch().Eeprom().SetByte(0x1A7, (*stored)[5]);
  terminal.charset = "GBK";  // the terminal sends what the user types as GBK
  terminal.password = std::string(stored->begin(), stored->end());
  EXPECT_EQ(Run({"info"}), kExitOk) << err.str();
}

TEST_F(LoginTest, MessagesArePrintedInTheTerminalsCharacterSet) {
  Attach(2);
  terminal.charset = "GBK";
  EXPECT_EQ(Run({"info", "--password", "wrong"}), kExitNotConnected);
  const auto gbk = Utf8ToGbk(Message(MessageId::kPasswordWrong));
  ASSERT_TRUE(gbk);
  EXPECT_TRUE(ErrorSays(std::string(gbk->begin(), gbk->end())));
}

TEST_F(LoginTest, ModelWithoutPasswordIsNeverAskedForOne) {
  Attach(6);
  terminal.interactive = false;
  EXPECT_EQ(Run({"info", "--json"}), kExitOk) << err.str();
  EXPECT_NE(out.str().find("\"model\": \"QX-G26A\""), std::string::npos);
  EXPECT_EQ(Run({"recover-password", "--code", "m7k2x9p4w1", "--yes"}), kExitUsage);
}

TEST_F(LoginTest, ModelByteMustAgreeWithTheDiscoveredModel) {
  Attach(2);
  Switch().Eeprom().SetByte(0x1C, 0x12);
  EXPECT_EQ(Run({"info", "--password", "vemix"}), kExitNotConnected);
  EXPECT_TRUE(ErrorSays(Message(MessageId::kSwitchInfoReadError)));
}

TEST_F(LoginTest, UnmanagedModelIsRefusedBeforeAnyLogin) {
  Attach(5);
  EXPECT_EQ(Run({"info", "--password", "vemix"}), kExitNotConnected);
  EXPECT_TRUE(ErrorSays("does not manage"));
  EXPECT_TRUE(terminal.prompts.empty());
}

TEST_F(LoginTest, RecoveryNeedsTheRightCodeAndAConfirmation) {
  Attach(2);
  for (uint16_t a = 0x1A2; a < 0x1A8; ++a) Switch().Eeprom().SetByte(a, 'x');
  EXPECT_EQ(Run({"recover-password"}), kExitUsage);
  EXPECT_EQ(Run({"recover-password", "--code", "m7k2x9p4w"}), kExitNotConnected);
  EXPECT_TRUE(ErrorSays(Message(MessageId::kRecoveryCodeWrong)));
  terminal.replies = {"n"};
  EXPECT_EQ(Run({"recover-password", "--code", "m7k2x9p4w1"}), kExitNotConnected);
  EXPECT_EQ(StoredPassword(), "xxxxxx");
  terminal.replies = {"y"};
  EXPECT_EQ(Run({"recover-password", "--code", "m7k2x9p4w1"}), kExitOk);
  EXPECT_TRUE(ErrorSays(Message(MessageId::kPasswordRecovered)));
  EXPECT_EQ(StoredPassword(), "vemix");
}

TEST_F(LoginTest, RecoveryThatDoesNotReadBackFails) {
  Attach(2);
  terminal.interactive = false;
  EXPECT_EQ(Run({"recover-password", "--code", "m7k2x9p4w1"}), kExitNotConnected);
  EXPECT_TRUE(ErrorSays("give --yes"));
  Switch().Eeprom().SetByte(0x1A6, 'q');
  Switch().Eeprom().StickByte(0x1A6);
  EXPECT_EQ(Run({"recover-password", "--code", "m7k2x9p4w1", "--yes"}), kExitFailure);
  EXPECT_TRUE(ErrorSays(Message(MessageId::kPasswordRecoveryFailed)));
}

}  // namespace
}  // namespace velkor::cli
