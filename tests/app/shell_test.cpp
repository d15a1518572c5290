#include "app/shell.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>

#include "device/message_table.h"
#include "support/fake_shell_view.h"
#include "support/fake_switch.h"
#include "support/scripted_connection_ui.h"
#include "support/scripted_prompter.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"

namespace velkor {
namespace {

using testing::FakeSwitch;

// Several fake switches answering on one wire.
struct FakeSegment : WireEndpoint {
  std::vector<std::unique_ptr<FakeSwitch>> switches;
  FakeSwitch& Add(uint8_t n, uint8_t model) {
    auto& sw = *switches.emplace_back(std::make_unique<FakeSwitch>(Mac{0x00, 0xE0, 0x4C, 0, 0, n}));
    sw.modelCode = model;
    sw.registers[0x0207] = 0x4140;
    sw.registers[0x0208] = 0x0001;
    sw.eeprom[0x1C] = model;
    std::memcpy(&sw.eeprom[0x1A2], "pw", 2);
    return sw;
  }
  void OnHostFrame(std::span<const uint8_t> f, uint64_t now, std::vector<TimedFrame>& out) override {
    for (auto& s : switches) s->OnHostFrame(f, now, out);
  }
};

// A page of the switch sheets, recording what the shell told it.
struct RecordingPage : Page {
  std::vector<std::string> heard;
  void Fill() override { heard.push_back("Fill"); }
  void Connected(const PortLayout& layout, int modelCode) override {
    heard.push_back("Connected " + std::to_string(modelCode) + " " + std::to_string(layout.FeCount()));
  }
  void Disconnected() override { heard.push_back("Disconnected"); }
};

class ShellTest : public ::testing::Test {
 protected:
  VirtualClock clock;
  MemoryWire wire{clock};
  std::ostringstream errors;
  BusyIndicator busy;
  TransportSession transport{wire, clock, errors, busy};
  testing::ScriptedPrompter prompter;
  testing::ScriptedConnectDialog dialog;
  testing::CountingProgressUi progress;
  testing::FakeShellView view;
  int listingFailures = 0;
  Shell shell{transport, prompter, dialog, progress, busy, view, [this] { ++listingFailures; }};
  FakeSegment lan, lab;

  void AddAdapter(const char* name, uint8_t n, FakeSegment& far) {
    wire.AddDevice({name, "", 0x0A000000u + n}, Mac{0x02, 0, 0, 0, 0, n}, &far);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> t;
    for (const Prompt& p : prompter.shown) t.push_back(p.text);
    return t;
  }
};

TEST_F(ShellTest, OneAdapterIsPickedAndDiscoveredAtStart) {
  AddAdapter("eth0", 1, lan);
  FakeSwitch& core = lan.Add(1, 3);
  const uint8_t gbk[] = {0xBA, 0xCB, 0xD0, 0xC4, 'A', 0};  // "核心A"
  std::memcpy(&core.eeprom[0x200], gbk, sizeof gbk);
  FakeSwitch& behind = lan.Add(2, 5);
  behind.upstream = Mac{0x00, 0xE0, 0x4C, 0, 0, 1};
  behind.upstreamPort = 5;
  shell.Start();
  EXPECT_EQ(view.adapterLines, std::vector<std::string>{"IP地址(10.0.0.1)   MAC地址(02:00:00:00:00:01)"});
  EXPECT_FALSE(view.selectorEnabled);
  EXPECT_TRUE(view.refreshEnabled);
  ASSERT_EQ(view.rows.size(), 2u);
  EXPECT_EQ(view.rows[0].modelName, "QX-F24A");
  EXPECT_EQ(view.rows[0].macText, "00:E0:4C:00:00:01");
  EXPECT_EQ(view.rows[0].description, "核心A");
  EXPECT_EQ(view.rows[1].modelName, "未知");
  EXPECT_EQ(view.rows[0].upstream, "直接连接本机（本机经端口1连接）");
  EXPECT_EQ(view.rows[1].upstream, "上级交换机 00:E0:4C:00:00:01 的端口5（本机经端口1连接）");
  EXPECT_FALSE(shell.ConnectMenuEnabled(1));
  EXPECT_TRUE(shell.ConnectMenuEnabled(0));
  EXPECT_FALSE(shell.ConnectMenuEnabled(-1));
  shell.SwitchListDoubleClick(1);
  shell.SwitchListDoubleClick(-1);
  EXPECT_EQ(dialog.runs, 0);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_FALSE(view.SheetVisible(Sheet::kSwitchStatus));
}

TEST_F(ShellTest, SeveralAdaptersKeepTheSelectorAndPickTheFirst) {
  AddAdapter("eth0", 1, lan);
  AddAdapter("eth1", 2, lab);
  lab.Add(7, 1);
  shell.Start();
  EXPECT_TRUE(view.selectorEnabled);
  EXPECT_EQ(view.selection, 0);
  EXPECT_EQ(Texts(), std::vector<std::string>{std::string(Message(MessageId::kNoSwitchDetected))});
  view.selection = 1;
  shell.SelectAdapter();
  ASSERT_EQ(view.rows.size(), 1u);
  EXPECT_EQ(view.rows[0].macText, "00:E0:4C:00:00:07");
}

TEST_F(ShellTest, NoAdapterAndUnsupportedAdapter) {
  shell.Start();
  EXPECT_EQ(Texts(), std::vector<std::string>{std::string(Message(MessageId::kNoNetworkInterface))});
  EXPECT_FALSE(view.refreshEnabled);

  AddAdapter("eth0", 1, lan);
  lan.Add(1, 1);
  prompter.shown.clear();
  shell.Start();
  ASSERT_EQ(view.rows.size(), 1u);
  wire.FailOpen("eth0", true);
  prompter.shown.clear();
  shell.RefreshClick();
  // The previous discovery is listed again after the open failed.
  EXPECT_EQ(Texts(), std::vector<std::string>{std::string(Message(MessageId::kUnsupportedInterface))});
  EXPECT_EQ(view.rows.size(), 1u);

  wire.FailDeviceListing(true);
  shell.RefreshClick();
  EXPECT_EQ(listingFailures, 1);
}

TEST_F(ShellTest, ConnectLoseTheSwitchAndRediscover) {
  AddAdapter("eth0", 1, lan);
  AddAdapter("eth1", 2, lab);
  FakeSwitch& sw = lan.Add(1, 1);
  shell.Start();
  dialog.outcomes.push_back({ConnectOutcome::Kind::kConnect, "pw", ""});
  shell.SwitchListDoubleClick(0);
  ASSERT_TRUE(shell.GetConnection().State().connected);
  EXPECT_TRUE(view.SheetVisible(Sheet::kSwitchStatus));
  EXPECT_TRUE(view.SheetVisible(Sheet::kSystem));
  EXPECT_FALSE(view.SheetVisible(Sheet::kNetwork));
  EXPECT_FALSE(view.selectorEnabled);
  EXPECT_EQ(view.connectedLabel, "QX-F16A     MAC地址: 00:E0:4C:00:00:01");

  // A close with unsaved settings answered Cancel keeps the program and the connection.
  prompter.Script(Answer::kCancel);
  EXPECT_FALSE(shell.CloseRequested());
  EXPECT_TRUE(shell.GetConnection().State().connected);

  sw.answering = false;
  EXPECT_FALSE(shell.GetConnection().CheckConnection());
  EXPECT_EQ(view.rediscoverRequests, 1);
  EXPECT_FALSE(view.SheetVisible(Sheet::kSwitchStatus));
  EXPECT_EQ(view.connectedLabel, "未连接");

  sw.answering = true;
  shell.OnRediscoverRequest();
  EXPECT_TRUE(view.selectorEnabled);
  EXPECT_TRUE(view.SheetVisible(Sheet::kNetwork));
  EXPECT_EQ(view.rows.size(), 1u);
}

TEST_F(ShellTest, PagesHearOfEveryConnectionAndItsEnd) {
  AddAdapter("eth0", 1, lan);
  FakeSwitch& sw = lan.Add(1, 1);
  RecordingPage statistics, settings;
  shell.SetPages({&statistics, &settings});
  int saves = 0;
  shell.SetSave([&] {
    ++saves;
    return Outcome::kDone;
  });
  shell.Start();
  dialog.outcomes.push_back({ConnectOutcome::Kind::kConnect, "pw", ""});
  shell.SwitchListDoubleClick(0);
  EXPECT_EQ(settings.heard, std::vector<std::string>{"Connected 1 16"});

  // A lost switch stops the pages before its message and again when the connection ends.
  sw.answering = false;
  EXPECT_FALSE(shell.GetConnection().CheckConnection());
  EXPECT_EQ(statistics.heard, (std::vector<std::string>{"Connected 1 16", "Disconnected", "Disconnected"}));

  sw.answering = true;
  shell.OnRediscoverRequest();
  dialog.outcomes.push_back({ConnectOutcome::Kind::kConnect, "pw", ""});
  shell.SwitchListDoubleClick(0);
  prompter.Script(Answer::kYes);  // disconnect
  prompter.Script(Answer::kYes);  // save first
  EXPECT_EQ(shell.GetConnection().DisConnectBtnClick(), Outcome::kDone);
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(settings.heard.back(), "Disconnected");
}

TEST_F(ShellTest, SwitchThatCannotBeIdentifiedRenewsTheList) {
  AddAdapter("eth0", 1, lan);
  FakeSwitch& sw = lan.Add(1, 1);
  shell.Start();
  sw.eeprom[0x1C] = 0x12;
  std::memcpy(&sw.eeprom[0x200], "new", 4);
  shell.ConnectMenuClick(0);
  EXPECT_EQ(Texts(), std::vector<std::string>{std::string(Message(MessageId::kSwitchInfoReadError))});
  ASSERT_EQ(view.rows.size(), 1u);
  EXPECT_EQ(view.rows[0].description, "new") << "listed afresh";
}

TEST_F(ShellTest, ManagementPathLossDisconnectsWithoutTheNotice) {
  AddAdapter("eth0", 1, lan);
  FakeSwitch& sw = lan.Add(1, 1);
  shell.Start();
  dialog.outcomes.push_back({ConnectOutcome::Kind::kConnect, "pw", ""});
  shell.ConnectMenuClick(0);
  ASSERT_TRUE(shell.GetConnection().State().connected);
  EXPECT_EQ(transport.discovery.IsManagementPort(1), 1);
  sw.answering = false;
  EXPECT_EQ(transport.discovery.IsManagementPort(1), -1);
  EXPECT_EQ(Texts(), std::vector<std::string>{std::string(Message(MessageId::kSwitchInfoReadError))});
  EXPECT_FALSE(shell.GetConnection().State().connected);
}

}  // namespace
}  // namespace velkor
