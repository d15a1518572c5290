#include "transport/eeprom_blocks.h"

#include <algorithm>
#include <vector>

#include "transport/confirmed_read.h"
#include "transport/eeprom_update.h"

namespace velkor {

namespace {
void Step(Progress* p) {
  if (p) p->StepIt();
}
}  // namespace

int EepromBlocks::ReadBytes(uint16_t addr, std::span<uint8_t> out, Progress* perByte,
                            Progress* perEvenAddress) {
  for (size_t i = 0; i < out.size(); ++i) {
    const uint16_t a = static_cast<uint16_t>(addr + i);
    const auto byte = access_.ReadEepromByte(a);
    if (!byte) return -1;
    out[i] = *byte;
    Step(perByte);
    if (a % 2 == 0) Step(perEvenAddress);
  }
  return 0;
}

int EepromBlocks::WriteBytes(uint16_t addr, std::span<const uint8_t> bytes, Progress* perEvenAddress) {
  for (size_t i = 0; i < bytes.size(); ++i) {
    const uint16_t a = static_cast<uint16_t>(addr + i);
    if (!access_.WriteEepromByte(a, bytes[i])) return -1;
    if (a % 2 == 0) Step(perEvenAddress);
  }
  return 0;
}

int EepromBlocks::WriteConfigBlock(const ConfigImage& image, Progress* progress) {
  return UpdateEepromRange(access_, kConfigBlockStart, image, progress).Verified() ? 0 : -1;
}

int EepromBlocks::ReadConfigBlock(ConfigImage& buffer, Progress* progress) {
  return ReadBytes(kConfigBlockStart, buffer, nullptr, progress);
}

int EepromBlocks::ClearDescriptionArea(Progress* progress) {
  const std::vector<uint8_t> zeros(kDescriptionAreaEnd - kSwitchDescriptionAddress + 1, 0);
  const int result = WriteBytes(kSwitchDescriptionAddress, zeros, progress);
  cache_.Clear();
  return result;
}

// Visits every register of the map; the bar moves once after row 12 and twice after row 13, the
// two long rows.
template <class Visit>
static void WalkRegisterImage(Progress* progress, Visit&& visit) {
  size_t lastRow = 0;
  ForEachImageRegister([&](size_t row, uint16_t reg, size_t offset) {
    if (row != lastRow && lastRow == 12) Step(progress);
    lastRow = row;
    visit(reg, offset);
  });
  Step(progress);
  Step(progress);
}

int EepromBlocks::WriteRegisterImage(const ConfigImage& image, Progress& progress) {
  RegisterEngine& engine = access_.Engine();
  WalkRegisterImage(&progress, [&](uint16_t reg, size_t offset) {
    if (reg != kKeyRegister) engine.WriteRegister(reg, ImageWord(image, offset));
  });
  return 0;
}

// Two batches with a fence between: what is read here is saved, so a stale copy of an earlier
// reply must not pass for it, and the wait still ends with the last reply of each batch.
std::vector<uint16_t> EepromBlocks::ReadRegisterImage(ConfigImage& buffer, Progress* progress,
                                                      std::span<const uint16_t> only) {
  std::vector<uint16_t> regs;
  std::vector<size_t> offsets;
  WalkRegisterImage(progress, [&](uint16_t reg, size_t offset) {
    if (!only.empty() && std::find(only.begin(), only.end(), reg) == only.end()) return;
    regs.push_back(reg);
    offsets.push_back(offset);
  });
  const std::vector<RegisterRead> reads = ReadBatchConfirmed(access_.Engine(), regs);
  std::vector<uint16_t> unread;
  for (size_t i = 0; i < regs.size(); ++i) {
    if (reads[i].answered)
      SetImageWord(buffer, offsets[i], reads[i].Low16());
    else
      unread.push_back(regs[i]);
  }
  return unread;
}

int EepromBlocks::ReadPasswordBytes(std::array<uint8_t, kPasswordSize>& buffer) {
  return ReadBytes(kPasswordAddress, buffer, nullptr, nullptr);
}

int EepromBlocks::WritePasswordBytes(const std::array<uint8_t, kPasswordSize>& bytes) {
  return UpdateEepromRange(access_, kPasswordAddress, bytes).Verified() ? 0 : -1;
}

int EepromBlocks::ReadSwitchDescription(Progress* progress) {
  std::span<uint8_t> read(cache_.switchDescription.data(), kSwitchDescriptionRead);
  return ReadBytes(kSwitchDescriptionAddress, read, progress, nullptr);
}

// After a failed write the cache shows what the EEPROM really holds, as far as it can be read.
int EepromBlocks::WriteSwitchDescription(const std::array<uint8_t, kSwitchDescriptionWritten>& text) {
  std::copy(text.begin(), text.end(), cache_.switchDescription.begin());
  if (UpdateEepromRange(access_, kSwitchDescriptionAddress, text).Verified()) return 0;
  ReadSwitchDescription();
  return -1;
}

int EepromBlocks::ReadPortDescription(size_t port, Progress* progress) {
  if (port >= kPortDescriptionSlots) return -1;
  std::span<uint8_t> slot(cache_.ports[port].data(), kPortDescriptionSize);
  return ReadBytes(static_cast<uint16_t>(kPortDescriptionAddress + kPortDescriptionSize * port), slot,
                   progress, nullptr);
}

int EepromBlocks::WritePortDescription(size_t port, const std::array<uint8_t, kPortDescriptionSize>& text) {
  if (port >= kPortDescriptionSlots) return -1;
  std::copy(text.begin(), text.end(), cache_.ports[port].begin());
  const auto addr = static_cast<uint16_t>(kPortDescriptionAddress + kPortDescriptionSize * port);
  if (UpdateEepromRange(access_, addr, text).Verified()) return 0;
  ReadPortDescription(port);
  return -1;
}

}  // namespace velkor
