// velkorctl's export and import against two emulated switches, on virtual time.

#include <gtest/gtest.h>

#include <filesystem>

#include "cli/exit_codes.h"
#include "support/emulated_ctl.h"

namespace velkor::cli {
namespace {

namespace fs = std::filesystem;

class ConfigCliTest : public testing::EmulatedCtlTest {
 protected:
  void SetUp() override {
    segment.AddSwitch({.modelCode = 3, .mac = kFrom});
    segment.AddSwitch({.modelCode = 4, .mac = kTo});
    wire.AddDevice({"veth0", "", 0x0A000001u}, Mac{0x02, 0, 0, 0, 0, 0x01}, &segment);
    terminal.password = "vemix";
    path =
        (fs::temp_directory_path() / ("velkor-ctl-config-" + std::to_string(::getpid()) + ".bin")).string();
  }
  void TearDown() override { fs::remove(path); }

  static constexpr Mac kFrom{0x02, 0x10, 0, 0, 0, 0x01};
  static constexpr Mac kTo{0x02, 0x10, 0, 0, 0, 0x02};
  std::string path;
};

TEST_F(ConfigCliTest, ExportThenImportCarriesTheStoredSettings) {
  segment.Switch(0).Eeprom().SetByte(0x03A, 0x0F);
  segment.Switch(0).Eeprom().SetByte(0x200, 'A');
  ASSERT_EQ(Run({"export", path, "--switch", "02:10:00:00:00:01", "--json"}), kExitOk) << err.str();
  EXPECT_EQ(out.str(), "{\"exported\": \"" + path + "\"}\n");

  terminal.interactive = false;
  EXPECT_EQ(Run({"import", path, "--switch", "02:10:00:00:00:02"}), kExitNotConnected)
      << "no --yes, no question";
  EXPECT_NE(segment.Switch(1).Eeprom().Byte(0x200), 'A');

  ASSERT_EQ(Run({"import", path, "--switch", "02:10:00:00:00:02", "--yes", "--password", "vemix", "--json"}),
            kExitOk)
      << err.str();
  EXPECT_EQ(out.str(), "{\"imported\": \"" + path + "\"}\n");
  EXPECT_EQ(Run({"config", "diff", path, "--switch", "02:10:00:00:00:02", "--password", "vemix", "--json"}),
            kExitOk)
      << out.str();
  EXPECT_EQ(out.str(), "[]\n");
  segment.PowerCycleAll();
  EXPECT_EQ(segment.Switch(1).Peek(0x060A) & 0xFF, 0x0Fu);
  EXPECT_EQ(segment.Switch(1).Eeprom().Byte(0x200), 'A');

  // An unsaved change is in the registers only.
  segment.Switch(1).Poke(0x0400, 0x1234);
  EXPECT_EQ(Run({"config", "diff", path, "--switch", "02:10:00:00:00:02", "--password", "vemix"}), kExitOk);
  EXPECT_EQ(Run({"config", "diff", path, "--live", "--switch", "02:10:00:00:00:02", "--password", "vemix"}),
            kExitFailure);
  EXPECT_EQ(out.str(), "SETTING    FILE  SWITCH\nqos.ratio  4:1   16:1\n") << "0x1234 selects 16:1 only";
  EXPECT_EQ(Run({"config", "show", path}), kExitOk);
  EXPECT_TRUE(Says(out, "\ndescription: A\n")) << out.str();
  EXPECT_TRUE(Says(out, "\nport.1.speed: 100M Full\n")) << out.str();
}

TEST_F(ConfigCliTest, DiffNamesEachChangedSettingAsThePagesShowIt) {
  ASSERT_EQ(Run({"export", path, "--switch", "02:10:00:00:00:01"}), kExitOk) << err.str();
  ASSERT_EQ(Run({"config", "show", path, "--json"}), kExitOk);
  EXPECT_TRUE(Says(out, R"("model": "QX-F24A", "vlan.mode": "port")")) << out.str();
  EXPECT_TRUE(Says(out, R"("port.24.rx": "unlimited")")) << out.str();
  EXPECT_FALSE(Says(out, "G1")) << "the file's model byte says it has no gigabit port";

  // On the switch: 802.1Q with group 2 (VID 20) on ports 1 and 2, port 2 mapped to it and
  // inserting tags; port 3 receives at 2 Mbps. Port 1 is chip port 1, port 2 chip port 0.
  auto& sw = segment.Switch(0);
  sw.Poke(0x030B, 0x0011);
  sw.Poke(0x0320, 0x0003);
  sw.Poke(0x0321, 0x0000);
  sw.Poke(0x0322, 20);
  sw.Poke(0x030C, 0x0001);
  sw.Poke(0x0319, 0xFFFE);
  sw.Poke(0x037D, 0x0001);
  sw.Poke(0x020B, 0x0500);
  const std::vector<std::string> diff{
      "config", "diff", path, "--live", "--switch", "02:10:00:00:00:01", "--password", "vemix", "--json"};
  EXPECT_EQ(Run(diff), kExitFailure);
  for (const char* expected : {R"({"setting": "vlan.mode", "file": "port", "switch": "dot1q"})",
                               R"({"setting": "vlan.port.2.tag", "file": "absent", "switch": "insert"})",
                               R"({"setting": "vlan.port.2.group", "file": "absent", "switch": 2})",
                               R"({"setting": "vlan.group.2.ports", "file": "absent", "switch": "1,2"})",
                               R"({"setting": "port.3.rx", "file": "unlimited", "switch": "2 Mbps"})"})
    EXPECT_TRUE(Says(out, expected)) << expected << "\n" << out.str();
  EXPECT_FALSE(Says(out, "\"port.4.")) << out.str();
  EXPECT_EQ(Run({"config", "diff", path, "--switch", "02:10:00:00:00:01", "--password", "vemix"}), kExitOk)
      << "nothing was saved; " << out.str();
}

TEST_F(ConfigCliTest, ExportFromASilentSwitchFailsWithoutAFile) {
  segment.Agent(0).StopAnswering(clock.NowUs() + 150'000);  // after the login, during the reads
  EXPECT_EQ(Run({"export", path, "--switch", "02:10:00:00:00:01", "--json"}), kExitSwitchLost);
  EXPECT_EQ(out.str().find("{\"error\": {\"code\": 6,"), 0u);
  EXPECT_FALSE(fs::exists(path));
}

}  // namespace
}  // namespace velkor::cli
