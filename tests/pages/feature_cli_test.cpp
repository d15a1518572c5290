// velkorctl qos, mgmt-ports and password against the emulator, on virtual time.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

#include "cli/exit_codes.h"
#include "support/emulated_ctl.h"
#include "support/test_file.h"

namespace velkor::cli {
namespace {

class FeatureCliTest : public testing::EmulatedCtlTest {
 protected:
  void SetUp() override { Start(1); }
  // A file holding text, removed with the test.
  std::string File(const std::string& text) {
    std::ofstream(path_) << text;
    return path_;
  }
  void TearDown() override { std::remove(path_.c_str()); }
  // The front-panel name of chip port p, from the port map "info" prints ("1=0 2=1 …").
  std::string PanelNameOf(int p) {
    Run({"info"});
    std::string map = out.str().substr(out.str().find("\nports: ") + 7);
    map = map.substr(0, map.find('\n')) + " ";
    const size_t at = map.find("=" + std::to_string(p) + " ");
    const size_t start = map.rfind(' ', at);
    return map.substr(start + 1, at - start - 1);
  }

 private:
  std::string path_ = testing::TestFile("password");
};

TEST_F(FeatureCliTest, QosSourceRatioAndPortPriorities) {
  EXPECT_EQ(Run({"qos", "--source", "802.1p", "--ratio", "8:1", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, R"({"kind": "qos", "source": "802.1p", "ratio": "8:1"})")) << out.str();
  EXPECT_EQ(Switch().Peek(0x0400) & 0x1B, 0x0Au);
  EXPECT_EQ(Run({"qos-port", "3", "high"}), kExitRefused) << "only with port-based priority";

  EXPECT_EQ(Run({"qos", "--source", "port"}), kExitOk) << err.str();
  EXPECT_EQ(Run({"qos-port", "3,4", "high", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, R"({"kind": "port", "port": "3", "priority": "high"})")) << out.str();
  EXPECT_EQ(Run({"qos", "--ratio", "9:1"}), kExitUsage);
}

TEST_F(FeatureCliTest, GlobalSettingsChangeAnySubset) {
  EXPECT_EQ(Run({"global", "--storm-filter", "on", "--igmp-snooping", "on", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, R"("storm-filter": "on", "loop-detect": "off", "igmp-snooping": "on"})"))
      << out.str();
  EXPECT_EQ(Switch().Peek(0x0607) & 0x1C, 0x0Cu);
  EXPECT_EQ(Run({"global", "--loop-detect", "maybe"}), kExitUsage);
}

TEST_F(FeatureCliTest, ManagementPortsRefuseThePortInUseAndChangeTheOthers) {
  const std::string inUse = PanelNameOf(Switch().LocalPort());
  EXPECT_EQ(Run({"mgmt-ports", inUse + ",9", "off"}), kExitRefused) << err.str();
  EXPECT_TRUE(Says(err, "管理端口正在被使用，故无法禁止管理功能。"));
  EXPECT_EQ(Run({"mgmt-ports", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, R"({"port": "9", "management": "off"})")) << out.str();
  EXPECT_TRUE(Says(out, R"({"port": ")" + inUse + R"(", "management": "on"})")) << out.str();
}

TEST_F(FeatureCliTest, AMirrorPortWithTwoMirroredPortsAndARefusal) {
  EXPECT_EQ(Run({"mirror-port", "5", "on"}), kExitNotConnected) << "the question is answered no";
  EXPECT_EQ(Run({"mirror-port", "5", "on", "--yes"}), kExitOk) << err.str();
  EXPECT_EQ(Run({"mirror-rx", "6,7", "on"}), kExitOk) << err.str();
  EXPECT_EQ(Run({"mirror-tx", "5", "on"}), kExitRefused);
  EXPECT_TRUE(Says(err, "同一端口不能同时设置为镜像端口和被镜像端口。")) << err.str();
  EXPECT_EQ(Run({"mirror", "--json"}), kExitOk) << err.str();
  EXPECT_TRUE(Says(out, R"({"port": "5", "mirror": "on", "rx": "off", "tx": "off"})")) << out.str();
  EXPECT_TRUE(Says(out, R"({"port": "7", "mirror": "off", "rx": "on", "tx": "off"})")) << out.str();
}

TEST_F(FeatureCliTest, PasswordFromAFileThenLoginsFromTheEnvironmentAndAFile) {
  terminal.interactive = false;
  EXPECT_EQ(Run({"password", "--password", "vemix", "--new-password-file", File("abcdefg\n"), "--yes"}),
            kExitRefused)
      << "seven bytes";
  EXPECT_EQ(Run({"password", "--password", "vemix", "--new-password-file", File("a\nb\n"), "--yes"}),
            kExitUsage);
  EXPECT_EQ(Run({"password", "--password", "vemix", "--new-password-file", File("Ab3de6\r\n")}),
            kExitNotConnected)
      << "the question is not answered";
  EXPECT_EQ(Run({"password", "--password", "vemix", "--new-password-file", File("Ab3de6\n"), "--yes"}),
            kExitOk)
      << err.str();

  EXPECT_EQ(Run({"info", "--password", "vemix"}), kExitNotConnected);
  terminal.environment["VELKOR_PASSWORD"] = "Ab3de6";
  EXPECT_EQ(Run({"info"}), kExitOk) << err.str();
  terminal.environment.clear();
  EXPECT_EQ(Run({"info", "--password-file", File("Ab3de6\n")}), kExitOk) << err.str();
}

}  // namespace
}  // namespace velkor::cli
