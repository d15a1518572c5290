#include "pages/switch/config_transfer.h"

#include <algorithm>

#include "device/message_table.h"
#include "pages/switch/file_io.h"
#include "pages/switch/unanswered_report.h"
#include "transport/eeprom_update.h"

namespace velkor {

namespace {
constexpr int kExportSteps = 746;
// 749 for the writes and the register image, and one more per byte read back.
constexpr int kImportSteps = 749 + 733;

constexpr uint16_t kMacAddress = 0x012;
constexpr uint16_t kAfterMac = 0x018;
constexpr uint16_t kModelByte = 0x01C;

bool Password(size_t address) {
  return address >= kPasswordAddress && address < kPasswordAddress + kPasswordSize;
}

// The ranges an import replaces: all but the switch's own identity and access (the MAC address,
// the byte after it and the password), as [first, end).
constexpr std::pair<uint16_t, uint16_t> kImportedRanges[] = {
    {0, kMacAddress}, {kAfterMac + 1, kPasswordAddress}, {kPasswordAddress + kPasswordSize, kExportedBytes}};
}  // namespace

std::string_view ConfigTransfer::ModelName() const { return ConfigModelName(c_.identifier.ChipModel()); }

Outcome ConfigTransfer::BtnBackupClick() {
  const auto path = dialogs_.SaveFileName();
  return path ? Export(*path) : Outcome::kNotConfirmed;
}

Outcome ConfigTransfer::BtnLoadClick() {
  const auto path = dialogs_.OpenFileName();
  return path ? Import(*path, false) : Outcome::kNotConfirmed;
}

std::optional<ConfigFileImage> ConfigTransfer::ReadImage(Progress* progress) {
  ConfigFileImage image{};
  for (size_t address = 0; address < kExportedBytes; ++address) {
    if (Password(address)) continue;
    const auto byte = ReadEepromByteReasking(c_.transport.access, static_cast<uint16_t>(address));
    if (!byte) return std::nullopt;
    image[address] = *byte;
    if (progress) progress->StepIt();
  }
  return image;
}

Outcome ConfigTransfer::Export(const std::string& path) {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  c_.busy.Begin();
  auto bar = c_.progress.ShowProgress(kExportSteps);
  const auto image = ReadImage(bar.get());
  bar.reset();
  c_.busy.End();
  if (!image) return ReportUnanswered(c_.connection, c_.prompter, Outcome::kNoAnswer);
  if (!WriteFileAtomically(path, EncodeConfigFile(ModelName(), *image))) {
    c_.prompter.Error(Message(MessageId::kCreateFileFailed));
    return Outcome::kRefused;
  }
  c_.prompter.Inform(Message(MessageId::kExportDone));
  return Outcome::kDone;
}

Outcome ConfigTransfer::Import(const std::string& path, bool confirmed) {
  const auto file = ReadFileHead(path, kConfigFileReadLimit);
  if (!file) {
    c_.prompter.Error(Message(MessageId::kOpenFileFailed));
    return Outcome::kRefused;
  }
  const auto image = DecodeConfigFile(*file, ModelName());
  if (!image) {
    c_.prompter.Error(Message(MessageId::kConfigFileWrong));
    return Outcome::kRefused;
  }
  if (!confirmed && !c_.prompter.Confirm(Message(MessageId::kConfirmImport))) return Outcome::kNotConfirmed;
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;

  c_.busy.Begin();
  auto bar = c_.progress.ShowProgress(kImportSteps);
  const bool written = WriteImage(*image, *bar);
  bar.reset();
  if (!written) {
    c_.busy.End();
    // Part of the EEPROM may hold the file and part the old settings: only the user can repair it.
    c_.connection.FatalSwitchError();
    return Outcome::kFatal;
  }
  RefillDescriptionCaches(*image);
  return RestartAfterImport();
}

// Brings every byte the import replaces up to the file, reading each back, then loads the block
// into the registers.
bool ConfigTransfer::WriteImage(ConfigFileImage image, Progress& progress) {
  SwitchAccess& access = c_.transport.access;
  // Models that share a file name differ in their model byte: a switch that took another model's
  // byte would no longer be recognised at login.
  const auto modelByte = ReadEepromByteReasking(access, kModelByte);
  if (!modelByte) return false;
  image[kModelByte] = *modelByte;
  for (const auto& [first, end] : kImportedRanges) {
    const std::span<const uint8_t> bytes(image.begin() + first, image.begin() + end);
    if (!UpdateEepromRange(access, first, bytes, &progress, StepAt::kEveryByte).Verified()) return false;
  }
  ConfigImage block;
  std::copy_n(image.begin() + kConfigBlockStart, kConfigBlockSize, block.begin());
  c_.transport.blocks.WriteRegisterImage(block, progress);
  return true;
}

void ConfigTransfer::RefillDescriptionCaches(const ConfigFileImage& image) {
  DescriptionCache& cache = c_.transport.cache;
  std::copy_n(image.begin() + kSwitchDescriptionAddress, cache.switchDescription.size(),
              cache.switchDescription.begin());
  for (size_t p = 0; p < kPortDescriptionSlots; ++p) {
    cache.ports[p].fill(0);
    std::copy_n(image.begin() + kPortDescriptionAddress + kPortDescriptionSize * p, kPortDescriptionSize,
                cache.ports[p].begin());
  }
}

Outcome ConfigTransfer::RestartAfterImport() {
  const RestartResult restart = c_.transport.access.SoftResetChip();
  c_.busy.End();
  // The file is stored and verified; the chip just did not restart to load all of it.
  if (restart == RestartResult::kNotAnswered)
    return ReportUnanswered(c_.connection, c_.prompter, Outcome::kNotVerified);
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  c_.connection.SetUnsaved(false);
  c_.prompter.Inform(Message(MessageId::kImportDone));
  description_.SwitchInfoConfigShow();
  return Outcome::kDone;
}

}  // namespace velkor
