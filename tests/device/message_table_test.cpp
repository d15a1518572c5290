#include "device/message_table.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

#include "device/model.h"
#include "device/prompter.h"
#include "support/scripted_prompter.h"

namespace velkor {
namespace {

// The fixture holds `number "text"` lines with \n for a line break.
std::map<size_t, std::string> ReadFixture() {
  std::map<size_t, std::string> texts;
  std::ifstream in(VELKOR_DEVICE_TEST_DIR "/message_fixture.txt");
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    const size_t open = line.find('"');
    const size_t close = line.rfind('"');
    if (open == std::string::npos || close <= open) continue;
    std::string text;
    for (size_t i = open + 1; i < close; ++i) {
      if (line[i] == '\\' && i + 1 < close && line[i + 1] == 'n') {
        text += '\n';
        ++i;
      } else {
        text += line[i];
      }
    }
    texts[std::stoul(line.substr(0, open))] = text;
  }
  return texts;
}

TEST(MessageTable, EveryEntryMatchesTheFixture) {
  const auto fixture = ReadFixture();
  ASSERT_EQ(fixture.size(), kMessageCount);
  for (const auto& [number, text] : fixture) EXPECT_EQ(Message(number), text) << number;
  EXPECT_EQ(Message(kMessageCount), "");
}

TEST(MessageTable, ShownTextsKeepTheirTrailingSpaceAndRowFraming) {
  EXPECT_EQ(Message(MessageId::kSaving), "正在保存设置... ");
  EXPECT_EQ(Message(MessageId::kRestoringFactorySettings), "正在恢复出厂设置... ");
  const std::string framed = std::string(Message(MessageId::kTrunkVlanRowPrefix)) + "3" +
                             std::string(Message(MessageId::kTrunkVlanRowSuffix));
  EXPECT_EQ(framed, "Trunk组的所有端口必须处于同一VLAN中。\nVLAN列表的第3行不满足此要求。");
}

TEST(ModelName, KnownCodesAndUnknown) {
  const std::map<int, std::string> names{{1, "QX-F16A"}, {2, "QX-F8A"},  {3, "QX-F24A"},
                                         {4, "QX-G17A"}, {6, "QX-G26A"}, {7, "QX-F8B"}};
  for (const auto& [code, name] : names) EXPECT_EQ(ModelName(code), name) << code;
  for (int code : {0, 5, 8, 255}) EXPECT_EQ(ModelName(code), "未知") << code;
}

TEST(Prompter, KindsCarryTheirCaptionsAndIcons) {
  testing::ScriptedPrompter p;
  p.Error("e");
  p.Inform("i");
  p.Refuse("r");
  p.Notice("n");
  p.Plain("Done");
  p.ShowWithIcon(MessageKind::kError, MessageIcon::kWarning, "w");
  ASSERT_EQ(p.shown.size(), 6u);
  const std::pair<const char*, MessageIcon> expected[] = {
      {"错误", MessageIcon::kError},   {"信息", MessageIcon::kInformation},
      {"失败", MessageIcon::kWarning}, {"注意", MessageIcon::kInformation},
      {"", MessageIcon::kNone},        {"错误", MessageIcon::kWarning}};
  for (size_t i = 0; i < p.shown.size(); ++i) {
    EXPECT_EQ(p.shown[i].caption, expected[i].first) << i;
    EXPECT_EQ(p.shown[i].icon, expected[i].second) << i;
    EXPECT_FALSE(p.shown[i].HasYesNoCancel()) << i;
  }
  EXPECT_EQ(p.shown[4].text, "Done");
}

TEST(Prompter, OnlyYesConfirms) {
  testing::ScriptedPrompter p;
  p.Script(Answer::kYes);
  p.Script(Answer::kNo);
  p.Script(Answer::kCancel);
  EXPECT_TRUE(p.Confirm("q"));
  EXPECT_FALSE(p.Confirm("q"));
  EXPECT_FALSE(p.Confirm("q", MessageIcon::kWarning));
  EXPECT_FALSE(p.Confirm("q")) << "an unscripted question does not proceed";
  ASSERT_EQ(p.shown.size(), 4u);
  EXPECT_EQ(p.shown[0].caption, "确认");
  EXPECT_EQ(p.shown[0].icon, MessageIcon::kQuestion);
  EXPECT_TRUE(p.shown[0].HasYesNoCancel());
  EXPECT_EQ(p.shown[2].icon, MessageIcon::kWarning);
}

}  // namespace
}  // namespace velkor
