// The command line's shared grammar: every command answers --json with JSON, whether it succeeds
// or fails, has its own help, and prints its messages in a terminal that cannot show Chinese.

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <map>

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "support/emulated_ctl.h"
#include "support/test_file.h"

namespace velkor::cli {
namespace {

// A strict reader of one JSON value after another (a --watch command prints one per round).
class JsonReader {
 public:
  explicit JsonReader(const std::string& text) : s_(text) {}
  bool Documents() {
    Space();
    if (i_ == s_.size()) return false;
    while (i_ < s_.size()) {
      if (!Value()) return false;
      Space();
    }
    return true;
  }

 private:
  void Space() {
    while (i_ < s_.size() && std::isspace(static_cast<unsigned char>(s_[i_]))) ++i_;
  }
  bool Take(char c) {
    Space();
    if (i_ >= s_.size() || s_[i_] != c) return false;
    ++i_;
    return true;
  }
  bool Word(const char* w) {
    const std::string word(w);
    if (s_.compare(i_, word.size(), word) != 0) return false;
    i_ += word.size();
    return true;
  }
  bool String() {
    if (!Take('"')) return false;
    for (; i_ < s_.size() && s_[i_] != '"'; ++i_) {
      if (static_cast<unsigned char>(s_[i_]) < 0x20) return false;
      if (s_[i_] == '\\') ++i_;
    }
    return Take('"');
  }
  bool Number() {
    const size_t start = i_;
    if (i_ < s_.size() && s_[i_] == '-') ++i_;
    while (i_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.')) ++i_;
    return i_ > start;
  }
  template <typename Item>
  bool List(char open, char close, Item item) {
    if (!Take(open)) return false;
    if (Take(close)) return true;
    do {
      if (!item()) return false;
    } while (Take(','));
    return Take(close);
  }
  bool Value() {
    Space();
    if (i_ >= s_.size()) return false;
    switch (s_[i_]) {
      case '{':
        return List('{', '}', [this] { return String() && Take(':') && Value(); });
      case '[':
        return List('[', ']', [this] { return Value(); });
      case '"':
        return String();
      default:
        return Word("true") || Word("false") || Word("null") || Number();
    }
  }
  const std::string& s_;
  size_t i_ = 0;
};

bool IsJson(const std::string& text) { return JsonReader(text).Documents(); }

// A command line of each command that succeeds on a freshly started QX-F8A.
const std::map<std::string, std::vector<std::string>>& Successes() {
  static const std::string file = testing::TestFile("grammar.cfg");
  static const std::string image = testing::TestFile("grammar.bin");
  static const std::map<std::string, std::vector<std::string>> lines{
      {"adapters", {"adapters"}},
      {"discover", {"discover"}},
      {"topology", {"topology"}},
      {"info", {"info"}},
      {"recover-password", {"recover-password", "--code", "m7k2x9p4w1", "--yes"}},
      {"get", {"get", "0x0207"}},
      {"set", {"set", "0x0310", "1"}},
      {"phy-get", {"phy-get", "1", "0"}},
      {"phy-set", {"phy-set", "9", "4", "0x01E1"}},
      {"eeprom-get", {"eeprom-get", "0x200", "4"}},
      {"eeprom-set", {"eeprom-set", "0x200", "0x41"}},
      {"eeprom-dump", {"eeprom-dump", image}},
      {"eeprom-burn", {"eeprom-burn", image, "--yes"}},
      {"ports", {"ports"}},
      {"port-set", {"port-set", "2", "--state", "down"}},
      {"port-describe", {"port-describe", "3", "desk"}},
      {"stats", {"stats"}},
      {"stats-unit", {"stats-unit", "1", "rx", "frames"}},
      {"status", {"status"}},
      {"save", {"save", "--yes"}},
      {"factory-reset", {"factory-reset", "--yes"}},
      {"soft-reset", {"soft-reset"}},
      {"describe", {"describe"}},
      {"export", {"export", file}},
      {"import", {"import", file, "--yes"}},
      {"config", {"config", "show", file}},
      {"vlan", {"vlan"}},
      {"qos", {"qos"}},
      {"qos-port", {"qos-port", "1", "high"}},
      {"mgmt-ports", {"mgmt-ports"}},
      {"password", {"password", "--new-password-file", file + ".pw", "--yes"}},
      {"mirror", {"mirror"}},
      {"mirror-port", {"mirror-port", "8", "on", "--yes"}},
      {"mirror-rx", {"mirror-rx", "2", "on"}},
      {"mirror-tx", {"mirror-tx", "2", "on"}},
      {"global", {"global"}},
      {"trunk", {"trunk"}},
      {"chip", {"chip"}},
      {"vlan-raw", {"vlan-raw"}},
      {"set-mac", {"set-mac", "02:10:00:00:00:09", "--yes"}},
  };
  return lines;
}

class GrammarTest : public testing::EmulatedCtlTest {
 protected:
  void SetUp() override { std::ofstream(testing::TestFile("grammar.cfg.pw")) << "vemix\n"; }
  // Runs line with --json; what it printed must be JSON, and an error an object of its own.
  int RunJson(std::vector<std::string> line) {
    line.push_back("--json");
    const int code = Run(line);
    EXPECT_TRUE(IsJson(out.str())) << line[0] << " printed: " << out.str();
    if (code != kExitOk) {
      EXPECT_TRUE(Says(out, "{\"error\": {\"code\": " + std::to_string(code) + ", \"message\": \""))
          << line[0] << " printed: " << out.str();
    }
    return code;
  }
};

TEST_F(GrammarTest, EveryCommandPrintsJsonOnSuccessAndOnEachError) {
  std::vector<std::string> names;
  for (const Command& command : AllCommands()) names.push_back(command.name);
  // Before there is an interface, and with an option no command takes.
  for (const std::string& name : names) {
    ASSERT_TRUE(Successes().count(name)) << "no sample line for " << name;
    RunJson(Successes().at(name));
    EXPECT_EQ(RunJson({name, "--no-such-option"}), kExitUsage) << name;
  }
  Start(2);
  for (const std::string& name : names)
    EXPECT_EQ(RunJson(Successes().at(name)), kExitOk) << name << ": " << err.str();
  EXPECT_EQ(RunJson({"info", "--no-such-option"}), kExitUsage);
  EXPECT_EQ(RunJson({"port-set", "G3", "--state", "up"}), kExitUsage);
  EXPECT_EQ(RunJson({"info", "--switch", "00:E0:4C:00:00:99"}), kExitNoSwitch);
  EXPECT_EQ(RunJson({"factory-reset"}), kExitNotConnected);
  Agent().StopAnswering();
  EXPECT_EQ(RunJson({"ports"}), kExitNoSwitch);
}

TEST_F(GrammarTest, EveryCommandHasHelpWithAnExample) {
  for (const Command& command : AllCommands()) {
    const std::string name = command.name;
    ASSERT_EQ(Run({"help", name}), kExitOk) << name;
    const std::string help = out.str();
    EXPECT_TRUE(Says(out, "usage: velkorctl " + name)) << help;
    EXPECT_TRUE(Says(out, "--json")) << help;
    EXPECT_TRUE(Says(out, "example:\n  velkorctl " + name)) << help;
    EXPECT_EQ(Run({name, "--help"}), kExitOk);
    EXPECT_EQ(out.str(), help);
  }
  EXPECT_EQ(Run({"help", "frobnicate"}), kExitUsage);
  EXPECT_TRUE(wire.Sent("veth0").empty());
}

TEST_F(GrammarTest, AsciiTerminalGetsMessageNumbersWithTheirEnglishMeaning) {
  Start(2);
  terminal.charset = "ANSI_X3.4-1968";
  terminal.interactive = false;
  terminal.environment["VELKOR_PASSWORD"] = "vemix";
  EXPECT_EQ(Run({"factory-reset"}), kExitNotConnected);
  EXPECT_TRUE(Says(err, "[19] Are you sure you want to restore the factory settings?")) << err.str();
  EXPECT_EQ(Run({"ports"}), kExitOk);
  EXPECT_EQ(Run({"stats"}), kExitOk);
  for (const auto* text : {&out, &err}) EXPECT_EQ(text->str().find('?'), std::string::npos) << text->str();
}

TEST(JsonText, EscapesQuotesBackslashesAndControlCharactersOnly) {
  EXPECT_EQ(JsonString("端口 \"1\"\\\t\x01."), "\"端口 \\\"1\\\"\\\\\\u0009\\u0001.\"");
  EXPECT_EQ(JsonString(""), "\"\"");
}

}  // namespace
}  // namespace velkor::cli
