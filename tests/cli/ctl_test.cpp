#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>

#include "cli/exit_codes.h"
#include "cli/run_ctl.h"
#include "support/fake_switch.h"
#include "support/scripted_terminal.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"
#include "transport/pcap_backend.h"

namespace velkor::cli {
namespace {

using testing::FakeSwitch;

constexpr Mac kHost{0x02, 0, 0, 0, 0, 0x01};
constexpr Mac kSwitch{0x00, 0xE0, 0x4C, 0x00, 0x00, 0x10};
constexpr Mac kCascaded{0x00, 0xE0, 0x4C, 0x00, 0x00, 0x11};

// The segment behind the host's adapter: the switch under test, and optionally a second one
// cascaded behind its port 5 that answers hellos only.
class Segment : public WireEndpoint {
 public:
  explicit Segment(FakeSwitch& sw) : sw_(sw) {}
  bool cascaded = false;

  void OnHostFrame(std::span<const uint8_t> f, uint64_t nowUs, std::vector<TimedFrame>& replies) override {
    sw_.OnHostFrame(f, nowUs, replies);
    if (!cascaded || f[15] != 0x00) return;
    auto r = FakeSwitch::Reply(kHost, kCascaded, 0x80, false);
    r[18] = 2;  // its port towards the host
    r[19] = 5;  // the upstream switch's port
    std::copy(kSwitch.begin(), kSwitch.end(), r.begin() + 20);
    r[30] = 4;
    replies.push_back({nowUs + 200, r});
  }

 private:
  FakeSwitch& sw_;
};

// Lists the wire's devices but refuses to open any, as libpcap does for an unprivileged user.
class NoCaptureRights : public PacketBackend {
 public:
  explicit NoCaptureRights(MemoryWire& wire) : wire_(wire) {}
  bool FindAllDevices(std::vector<CaptureDevice>& devices, std::string& error) override {
    return wire_.FindAllDevices(devices, error);
  }
  std::unique_ptr<CaptureChannel> Open(const std::string& device, const ChannelParams&,
                                       OpenError& error) override {
    error = {OpenFailure::kNoPermission,
             device + ": " + std::string(kNoCapturePermission) + "; raw capture needs root"};
    return nullptr;
  }
  std::optional<Mac> AdapterMac(const std::string& device) override { return wire_.AdapterMac(device); }

 private:
  MemoryWire& wire_;
};

class CtlTest : public ::testing::Test {
 protected:
  VirtualClock clock;
  MemoryWire wire{clock};
  FakeSwitch sw{kSwitch};
  Segment segment{sw};
  testing::ScriptedTerminal terminal;
  std::ostringstream out, err;

  // A QX-F8A with connection password "abc12", which the user types when asked.
  void SetUp() override {
    wire.AddDevice({"veth0", "", 0x0A000001u}, kHost, &segment);
    sw.modelCode = 2;
    sw.registers[0x0207] = 0x4140;
    sw.registers[0x0208] = 0x0002;
    sw.eeprom[0x1C] = 2;
    std::copy_n("abc12", 5, &sw.eeprom[0x1A2]);
    terminal.password = "abc12";
  }
  int Run(std::vector<std::string> args, PacketBackend* backend = nullptr) {
    out.str("");
    err.str("");
    return RunCtl(args, backend ? *backend : wire, clock, terminal, out, err);
  }
  bool ErrorSays(const std::string& text) const { return err.str().find(text) != std::string::npos; }
};

TEST_F(CtlTest, UsageErrors) {
  EXPECT_EQ(Run({}), kExitUsage);
  EXPECT_EQ(Run({"frobnicate"}), kExitUsage);
  EXPECT_EQ(Run({"get"}), kExitUsage);
  EXPECT_EQ(Run({"get", "1", "2"}), kExitUsage);
  EXPECT_EQ(Run({"get", "0x10000"}), kExitUsage);
  EXPECT_EQ(Run({"get", "12abc"}), kExitUsage);
  EXPECT_EQ(Run({"get", "-1"}), kExitUsage);
  EXPECT_EQ(Run({"get", "0x"}), kExitUsage);
  EXPECT_EQ(Run({"get", "1", "--iface"}), kExitUsage);
  EXPECT_EQ(Run({"get", "1", "--verbose"}), kExitUsage);
  EXPECT_EQ(Run({"phy-get", "32", "0"}), kExitUsage);
  EXPECT_EQ(Run({"eeprom-get", "2048"}), kExitUsage);
  EXPECT_EQ(Run({"eeprom-get", "2047", "2"}), kExitUsage);
  EXPECT_EQ(Run({"eeprom-set", "2047", "1", "2"}), kExitUsage);
  EXPECT_EQ(Run({"eeprom-set", "0", "256"}), kExitUsage);
  EXPECT_EQ(Run({"get", "1", "--switch", "nonsense"}), kExitUsage);
  EXPECT_TRUE(wire.Sent("veth0").empty()) << "a usage error must not touch the wire";
  EXPECT_EQ(Run({"--help"}), kExitOk);
  EXPECT_NE(out.str().find("eeprom-set ADDR VALUE..."), std::string::npos);
  EXPECT_NE(out.str().find("8 not connected or not confirmed"), std::string::npos);
  EXPECT_NE(out.str().find("9 refused by the switch's rules"), std::string::npos);
}

TEST_F(CtlTest, InterfaceSelectionAndCaptureFailures) {
  EXPECT_EQ(Run({"get", "0x0207", "--iface", "eth9"}), kExitNoInterface);
  EXPECT_TRUE(ErrorSays("no such Ethernet interface: eth9"));
  NoCaptureRights denied(wire);
  EXPECT_EQ(Run({"discover"}, &denied), kExitNoPermission);
  EXPECT_TRUE(ErrorSays("raw capture needs root"));
  wire.FailOpen("veth0", true);
  EXPECT_EQ(Run({"get", "0x0207"}), kExitCannotOpen);
  wire.FailOpen("veth0", false);
  wire.AddDevice({"veth1"}, kHost, nullptr);
  EXPECT_EQ(Run({"discover"}), kExitUsage);
  EXPECT_TRUE(ErrorSays("name one with --iface"));
  EXPECT_EQ(Run({"discover", "--iface", "veth0"}), kExitOk);
}

TEST_F(CtlTest, SwitchSelection) {
  segment.cascaded = true;
  EXPECT_EQ(Run({"get", "0x0207"}), kExitUsage);
  EXPECT_TRUE(ErrorSays("name one with --switch"));
  EXPECT_EQ(Run({"get", "0x0207", "--switch", "00:E0:4C:00:00:12"}), kExitNoSwitch);
  EXPECT_EQ(Run({"get", "0x0207", "--switch", "00-e0-4c-00-00-10"}), kExitOk);
  sw.answering = false;
  segment.cascaded = false;
  EXPECT_EQ(Run({"get", "0x0207"}), kExitNoSwitch);
  EXPECT_EQ(Run({"discover", "--json"}), kExitNoSwitch);
  EXPECT_EQ(out.str(), "{\"error\": {\"code\": 5, \"message\": \"no switch answered\"}}\n");
}

TEST_F(CtlTest, DiscoverListsEveryHelloRecordWithItsUpstream) {
  segment.cascaded = true;
  EXPECT_EQ(Run({"discover", "--json"}), kExitOk);
  EXPECT_EQ(out.str(),
            "[{\"mac\": \"00:E0:4C:00:00:10\", \"model\": \"QX-F8A\", \"model_code\": 2, \"port\": 1, "
            "\"upstream\": \"00:00:00:00:00:00\", \"upstream_port\": 0},\n"
            " {\"mac\": \"00:E0:4C:00:00:11\", \"model\": \"QX-G17A\", \"model_code\": 4, \"port\": 2, "
            "\"upstream\": \"00:E0:4C:00:00:10\", \"upstream_port\": 5}]\n");
  EXPECT_EQ(Run({"topology", "--json"}), kExitOk);
  EXPECT_EQ(out.str(),
            "[{\"mac\": \"00:E0:4C:00:00:10\", \"model\": \"QX-F8A\", \"model_code\": 2, \"local_port\": 1, "
            "\"children\": [{\"mac\": \"00:E0:4C:00:00:11\", \"model\": \"QX-G17A\", \"model_code\": 4, "
            "\"local_port\": 2, \"port\": 5, \"children\": []}]}]\n");
  EXPECT_EQ(Run({"topology"}), kExitOk);
  EXPECT_EQ(out.str(),
            "00:E0:4C:00:00:10 QX-F8A (this computer on port 1)\n"
            "  port 5: 00:E0:4C:00:00:11 QX-G17A (this computer on port 2)\n");
  EXPECT_EQ(Run({"adapters"}), kExitOk);
  EXPECT_EQ(out.str(),
            "NAME   DESCRIPTION  MAC                IP\n"
            "veth0               02:00:00:00:00:01  10.0.0.1\n");
}

TEST_F(CtlTest, RegisterWritesAreVerifiedByReadingBack) {
  EXPECT_EQ(Run({"get", "0x0207"}), kExitOk);
  EXPECT_EQ(out.str(), "register: 0x0207\nvalue: 0x4140\n");
  EXPECT_EQ(Run({"set", "784", "0x1234", "--json"}), kExitOk);
  EXPECT_EQ(out.str(), "{\"register\": \"0x0310\", \"written\": \"0x1234\"}\n");
  EXPECT_EQ(sw.registers[0x0310], 0x1234u);
  // A register that keeps some bits of its own (read-only or self-clearing) does not verify.
  sw.onGet = [](uint16_t reg, uint32_t value) { return reg == 0x0300 ? value & 0x00FF : value; };
  EXPECT_EQ(Run({"set", "0x0300", "0x1234"}), kExitFailure);
  EXPECT_EQ(out.str(), "");
  EXPECT_TRUE(ErrorSays("register 0x0300 reads back 0x0034, not 0x1234"));
}

TEST_F(CtlTest, LostRepliesAreErrorsNeverZeros) {
  sw.silent.insert(0x0310);
  EXPECT_EQ(Run({"get", "0x0310"}), kExitSwitchLost);
  EXPECT_EQ(out.str(), "");
  EXPECT_TRUE(ErrorSays("did not answer"));
  // The write went out but its readback got no answer: not a success either.
  EXPECT_EQ(Run({"set", "0x0310", "1"}), kExitSwitchLost);
  EXPECT_EQ(out.str(), "");
  // The EEPROM falls silent once the command reaches the byte asked for, after the login.
  sw.onSet = [&](uint16_t reg, uint32_t v) {
    if (reg == 0x0217 && (v & 0x7FF) == 0x10) sw.silent.insert(0x0218);
  };
  EXPECT_EQ(Run({"eeprom-get", "0x10", "2"}), kExitSwitchLost);
  EXPECT_EQ(out.str(), "");
}

TEST_F(CtlTest, PhyRegistersGoThroughTheCommandRegister) {
  std::map<uint16_t, uint16_t> phy;  // (phy << 5 | reg) -> value
  sw.onSet = [&](uint16_t reg, uint32_t v) {
    if (reg != 0x0500) return;
    const uint16_t at = v & 0x03FF;
    if (v & 0x4000)
      phy[at] = static_cast<uint16_t>(sw.registers[0x0501]);
    else
      sw.registers[0x0502] = phy[at];
  };
  EXPECT_EQ(Run({"phy-set", "3", "4", "0x01E1", "--json"}), kExitOk);
  EXPECT_EQ(out.str(), "{\"phy\": 3, \"register\": 4, \"written\": \"0x01E1\"}\n");
  EXPECT_EQ(phy[3 << 5 | 4], 0x01E1);
  EXPECT_EQ(Run({"phy-get", "3", "4"}), kExitOk);
  EXPECT_EQ(out.str(), "phy: 3\nregister: 4\nvalue: 0x01E1\n");
}

TEST_F(CtlTest, EepromSetVerifiesEveryByte) {
  EXPECT_EQ(Run({"eeprom-set", "0x200", "0x41", "66"}), kExitOk);
  EXPECT_EQ(sw.eeprom[0x201], 66);
  EXPECT_EQ(Run({"eeprom-get", "0x200", "2"}), kExitOk);
  EXPECT_EQ(out.str(), "OFFSET  BYTES  TEXT\n0x200   41 42  AB\n");
  sw.stuckByte = 0x202;
  EXPECT_EQ(Run({"eeprom-set", "0x202", "7"}), kExitFailure);
  EXPECT_TRUE(ErrorSays("EEPROM byte 0x202 reads back 0x00, not 0x07"));
}

TEST_F(CtlTest, EepromBurnRefusesOversizeImagesWritesOnlyDifferingBytesAndNamesTheFirstBadOne) {
  const std::string path = ::testing::TempDir() + "velkor-burn.bin";
  const auto burn = [&](size_t size) {
    std::ofstream(path, std::ios::binary) << std::string(size, '\x5A');
    sw.writes.clear();
    return Run({"eeprom-burn", path, "--yes"});
  };
  EXPECT_EQ(burn(2049), kExitUsage);
  EXPECT_TRUE(sw.writes.empty()) << "nothing written before the refusal";
  sw.stuckByte = 3;
  EXPECT_EQ(burn(8), kExitFailure);
  EXPECT_TRUE(ErrorSays("EEPROM Writes Failed, Byte: 3"));
  EXPECT_EQ(sw.eeprom[2], 0x5A);
  sw.stuckByte = -1;
  EXPECT_EQ(burn(8), kExitOk);
  std::vector<uint32_t> written;
  for (const auto& [reg, value] : sw.writes)
    if (reg == 0x0217 && !(value & 0x0800)) written.push_back(value & 0x7FF);
  EXPECT_EQ(written, std::vector<uint32_t>{3}) << "only the byte that did not hold the image";

  EXPECT_EQ(Run({"eeprom-dump", path, "--size", "4", "--json"}), kExitOk);
  std::ifstream dumped(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(dumped), {}), std::string(4, '\x5A'));
  std::remove(path.c_str());
}

}  // namespace
}  // namespace velkor::cli
