#include "pages/switch/config_transfer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <numeric>

#include "device/message_table.h"
#include "pages/save_reset_rig.h"
#include "pages/switch/file_io.h"

namespace velkor {
namespace {

namespace fs = std::filesystem;
using testing::MaintenanceRig;

std::string Text(MessageId id) { return std::string(Message(id)); }

TEST(ConfigFileTest, ChecksumAndRefusals) {
  ConfigFileImage image{};
  EXPECT_EQ(ConfigChecksum(image), 0xFF);
  image[0x100] = 0x42;
  image[kPasswordAddress] = 'v';
  std::vector<uint8_t> file = EncodeConfigFile("QX-F8A", image);
  ASSERT_EQ(file.size(), 6u + 1024 + 1);
  EXPECT_EQ(file[6 + kPasswordAddress], 0) << "the password never leaves the switch";
  const auto decoded = DecodeConfigFile(file, "QX-F8A");
  ASSERT_TRUE(decoded);
  EXPECT_EQ((*decoded)[0x100], 0x42);
  EXPECT_FALSE(DecodeConfigFile(file, "QX-F8B"));

  std::vector<uint8_t> longer = file;
  longer.push_back(0x99);
  EXPECT_TRUE(DecodeConfigFile(longer, "QX-F8A")) << "bytes after the checksum are ignored";

  std::vector<uint8_t> changed = file;
  changed[6 + 0x101] = 1;
  EXPECT_FALSE(DecodeConfigFile(changed, "QX-F8A"));

  // Cut after the name and 0xFF: missing bytes read as zeros would pass the old sum check.
  std::vector<uint8_t> shortFile{'Q', 'X', '-', 'F', '8', 'A', 0xFF};
  EXPECT_FALSE(DecodeConfigFile(shortFile, "QX-F8A"));
  file.pop_back();
  EXPECT_FALSE(DecodeConfigFile(file, "QX-F8A"));
}

// Changes one image byte and fixes the checksum, as a hand-edited file would.
void PatchImage(std::vector<uint8_t>& file, size_t nameSize, size_t address, uint8_t value) {
  file[nameSize + address] = value;
  ConfigFileImage image;
  std::copy_n(file.begin() + nameSize, image.size(), image.begin());
  file[nameSize + image.size()] = ConfigChecksum(image);
}

class NoDialogs : public ConfigFileDialogs {
 public:
  std::optional<std::string> SaveFileName() override { return std::nullopt; }
  std::optional<std::string> OpenFileName() override { return std::nullopt; }
};

class ConfigTransferTest : public ::testing::Test {
 protected:
  struct Side {
    explicit Side(uint8_t modelCode) : rig(modelCode) {}
    MaintenanceRig rig;
    testing::FakeDescriptionView view;
    SwitchDescription description{rig.connection, rig.transport.blocks, rig.prompter, rig.busy, view};
    NoDialogs dialogs;
    ConfigTransfer transfer{rig.context, description, dialogs};
    uint8_t Eeprom(size_t a) { return rig.Switch().Eeprom().Byte(static_cast<uint16_t>(a)); }
    size_t EepromWrites() {
      const auto& w = rig.Agent().Writes();
      return std::count_if(w.begin(), w.end(), [](const sim::ReceivedWrite& x) { return x.reg == 0x0218; });
    }
  };

  void SetUp() override {
    dir = fs::temp_directory_path() / ("velkor-config-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    path = (dir / "config.bin").string();
  }
  void TearDown() override { fs::remove_all(dir); }
  size_t FilesInDir() { return std::distance(fs::directory_iterator(dir), fs::directory_iterator()); }

  fs::path dir;
  std::string path;
};

TEST_F(ConfigTransferTest, RoundTripBetweenModelsSharingAName) {
  Side from(3);  // chip model 3
  for (size_t a = 0x200; a < 0x2EA; ++a)
    from.rig.Switch().Eeprom().SetByte(static_cast<uint16_t>(a), a & 0x7F);
  from.rig.Switch().Eeprom().SetByte(0x03A, 0x0F);  // port 0's advertisement
  from.rig.Agent().ClearHistory();
  ASSERT_EQ(from.transfer.Export(path), Outcome::kDone);
  EXPECT_EQ(from.rig.progress.steps, 740);
  EXPECT_EQ(from.rig.Texts(), std::vector<std::string>{Text(MessageId::kExportDone)});
  const auto file = ReadFileHead(path, kConfigFileReadLimit);
  ASSERT_TRUE(file);
  EXPECT_EQ(std::string(file->begin(), file->begin() + 7), "QX-F24A");

  Side to(4);  // chip model 0: the same name
  std::array<uint8_t, 7> mac;
  std::array<uint8_t, kPasswordSize> password;
  for (size_t i = 0; i < mac.size(); ++i) mac[i] = to.Eeprom(0x012 + i);
  for (size_t i = 0; i < password.size(); ++i) password[i] = to.Eeprom(kPasswordAddress + i);
  const uint8_t modelByte = to.Eeprom(0x01C);
  to.rig.Agent().ClearHistory();
  to.rig.prompter.Script(Answer::kYes);
  ASSERT_EQ(to.transfer.Import(path, false), Outcome::kDone);
  const size_t written = to.EepromWrites();
  EXPECT_GT(written, 0u);
  EXPECT_LT(written, 733u) << "only the bytes that differ";
  for (size_t a = 0; a < kExportedBytes; ++a) {
    if (a >= 0x012 && a <= 0x018)
      EXPECT_EQ(to.Eeprom(a), mac[a - 0x012]) << a;
    else if (a == 0x01C)
      EXPECT_EQ(to.Eeprom(a), modelByte) << "a switch keeps its model";
    else if (a >= kPasswordAddress && a < kPasswordAddress + kPasswordSize)
      EXPECT_EQ(to.Eeprom(a), password[a - kPasswordAddress]) << a;
    else
      EXPECT_EQ(to.Eeprom(a), from.Eeprom(a)) << a;
  }
  EXPECT_EQ(to.rig.Switch().Peek(0x060A) & 0xFF, 0x0F) << "the registers follow the file";
  EXPECT_EQ(to.rig.transport.cache.ports[1][0], (0x22A + 8) & 0x7F);
  EXPECT_EQ(to.rig.Texts(),
            (std::vector<std::string>{Text(MessageId::kConfirmImport), Text(MessageId::kImportDone)}));
  EXPECT_FALSE(to.rig.connection.State().unsaved);

  to.rig.Agent().ClearHistory();
  ASSERT_EQ(to.transfer.Import(path, true), Outcome::kDone);
  EXPECT_EQ(to.EepromWrites(), 0u) << "a file identical to the switch writes nothing";
}

TEST_F(ConfigTransferTest, SwitchThatStopsAnsweringLeavesNoFileAndNoSuccess) {
  Side side(2);
  ASSERT_TRUE(WriteFileAtomically(path, std::vector<uint8_t>{1, 2, 3}));
  side.rig.Agent().StopAnswering(side.rig.clock.NowUs() + 50'000);
  EXPECT_NE(side.transfer.Export(path), Outcome::kDone);
  EXPECT_EQ(ReadFileHead(path, kConfigFileReadLimit), (std::vector<uint8_t>{1, 2, 3}))
      << "the old file stays as it was";
  EXPECT_EQ(FilesInDir(), 1u) << "no temporary file left behind";
  const auto texts = side.rig.Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), Text(MessageId::kExportDone)), 0);
}

TEST_F(ConfigTransferTest, StuckByteDuringImportIsFatalAndNeverSuccess) {
  Side side(2);
  ASSERT_EQ(side.transfer.Export(path), Outcome::kDone);
  side.rig.Switch().Eeprom().SetByte(0x250, 0x11);
  side.rig.Switch().Eeprom().StickByte(0x250);
  auto file = *ReadFileHead(path, kConfigFileReadLimit);
  PatchImage(file, 6, 0x250, 0x22);
  ASSERT_TRUE(WriteFileAtomically(path, file));
  side.rig.prompter.shown.clear();
  EXPECT_EQ(side.transfer.Import(path, true), Outcome::kFatal);
  EXPECT_TRUE(side.rig.connection.State().fatal);
  EXPECT_EQ(side.rig.Texts(), std::vector<std::string>{Text(MessageId::kCriticalOperationFailed)});
}

TEST_F(ConfigTransferTest, WrongFileOrNoYesWritesNothing) {
  Side side(2);
  ASSERT_EQ(side.transfer.Export(path), Outcome::kDone);
  side.rig.Agent().ClearHistory();
  side.rig.prompter.shown.clear();
  side.rig.prompter.Script(Answer::kNo);
  EXPECT_EQ(side.transfer.Import(path, false), Outcome::kNotConfirmed);

  auto file = *ReadFileHead(path, kConfigFileReadLimit);
  file[6 + 0x100] ^= 1;
  ASSERT_TRUE(WriteFileAtomically(path, file));
  EXPECT_EQ(side.transfer.Import(path, true), Outcome::kRefused);
  EXPECT_EQ(side.transfer.Import((dir / "missing.bin").string(), true), Outcome::kRefused);
  EXPECT_EQ(side.transfer.Import("/dev/zero", true), Outcome::kRefused)
      << "an endless file is not read whole";
  EXPECT_EQ(side.EepromWrites(), 0u);
  EXPECT_EQ(side.rig.Texts(),
            (std::vector<std::string>{Text(MessageId::kConfirmImport), Text(MessageId::kConfigFileWrong),
                                      Text(MessageId::kOpenFileFailed), Text(MessageId::kConfigFileWrong)}));
}

}  // namespace
}  // namespace velkor
