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
  EXPECT_TRUE(Says(out, "setting: QoS control (0x0400)")) << out.str();
  EXPECT_EQ(Run({"config", "show", path}), kExitOk);
  EXPECT_TRUE(Says(out, "setting: switch description\nvalue: A")) << out.str();
}

TEST_F(ConfigCliTest, ExportFromASilentSwitchFailsWithoutAFile) {
  segment.Agent(0).StopAnswering(clock.NowUs() + 150'000);  // after the login, during the reads
  EXPECT_EQ(Run({"export", path, "--switch", "02:10:00:00:00:01", "--json"}), kExitSwitchLost);
  EXPECT_EQ(out.str(), "");
  EXPECT_FALSE(fs::exists(path));
}

}  // namespace
}  // namespace velkor::cli
