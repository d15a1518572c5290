#include "transport/eeprom_blocks.h"

#include <algorithm>
#include <vector>

#include "transport/confirmed_read.h"

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
  if (WriteBytes(kConfigBlockStart, image, progress) != 0) return -1;
  ConfigImage back{};
  if (ReadBytes(kConfigBlockStart, back, nullptr, progress) != 0) return -1;
  return back == image ? 0 : -1;
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

std::vector<uint16_t> EepromBlocks::ReadRegisterImage(ConfigImage& buffer, Progress* progress,
                                                      std::span<const uint16_t> only) {
  RegisterEngine& engine = access_.Engine();
  std::vector<uint16_t> unread;
  WalkRegisterImage(progress, [&](uint16_t reg, size_t offset) {
    if (!only.empty() && std::find(only.begin(), only.end(), reg) == only.end()) return;
    // After one read went unanswered the switch may be gone: do not wait out every other register.
    if (unread.empty()) {
      // What is read here is saved: a stale copy of an earlier reply must not pass for it.
      const RegisterRead r = ReadConfirmed(engine, reg);
      if (r.answered) {
        SetImageWord(buffer, offset, r.Low16());
        return;
      }
    }
    unread.push_back(reg);
  });
  return unread;
}

int EepromBlocks::ReadPasswordBytes(std::array<uint8_t, kPasswordSize>& buffer) {
  return ReadBytes(kPasswordAddress, buffer, nullptr, nullptr);
}

int EepromBlocks::WritePasswordBytes(const std::array<uint8_t, kPasswordSize>& bytes) {
  if (WriteBytes(kPasswordAddress, bytes, nullptr) != 0) return -1;
  std::array<uint8_t, kPasswordSize> back{};
  if (ReadPasswordBytes(back) != 0) return -1;
  return back == bytes ? 0 : -1;
}

int EepromBlocks::ReadSwitchDescription(Progress* progress) {
  std::span<uint8_t> read(cache_.switchDescription.data(), kSwitchDescriptionRead);
  return ReadBytes(kSwitchDescriptionAddress, read, progress, nullptr);
}

int EepromBlocks::WriteSwitchDescription(const std::array<uint8_t, kSwitchDescriptionWritten>& text) {
  std::copy(text.begin(), text.end(), cache_.switchDescription.begin());
  if (WriteBytes(kSwitchDescriptionAddress, text, nullptr) != 0) return -1;
  if (ReadSwitchDescription() != 0) return -1;
  return std::equal(text.begin(), text.begin() + kSwitchDescriptionRead, cache_.switchDescription.begin())
             ? 0
             : -1;
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
  if (WriteBytes(static_cast<uint16_t>(kPortDescriptionAddress + kPortDescriptionSize * port), text,
                 nullptr) != 0)
    return -1;
  if (ReadPortDescription(port) != 0) return -1;
  return std::equal(text.begin(), text.end(), cache_.ports[port].begin()) ? 0 : -1;
}

}  // namespace velkor
