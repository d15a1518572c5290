#include "old_way.h"

namespace velkor::bench {

namespace {
constexpr uint64_t kBatchWaitUs = 100'000;
constexpr uint64_t kPollMs = 3;
constexpr uint64_t kWriteCycleMs = 5;
constexpr uint64_t kSoftResetMs = 5000;
constexpr uint16_t kControl = 0x0217;
constexpr uint16_t kData = 0x0218;
constexpr uint16_t kBusy = 0x1000;
}  // namespace

std::vector<int> OldWay::Batch(std::span<const uint16_t> regs) {
  engine_.BeginBatch();
  std::vector<int> entries;
  for (uint16_t reg : regs) entries.push_back(engine_.QueueRead(reg));
  const uint64_t start = clock_.NowUs();
  engine_.TransmitBatch();
  const uint64_t spent = clock_.NowUs() - start;
  if (spent < kBatchWaitUs) clock_.SleepUs(kBatchWaitUs - spent);
  return entries;
}

void OldWay::Flush() {
  engine_.FlushBatch();
  clock_.SleepUs(kBatchWaitUs);
}

uint16_t OldWay::WaitNotBusy(uint16_t reg, uint16_t busyBit) {
  for (;;) {
    const RegisterRead r = engine_.ReadRegister(reg);
    if (!(r.Low16() & busyBit)) return r.Low16();
    clock_.SleepMs(kPollMs);
  }
}

uint8_t OldWay::ReadEepromByte(uint16_t addr) {
  const uint16_t last = WaitNotBusy(kControl, kBusy);
  engine_.WriteRegister(kControl, (last & 0xF000) | (addr & 0x07FF) | 0x0800);
  WaitNotBusy(kControl, kBusy);
  return static_cast<uint8_t>(engine_.ReadRegister(kData).Low16() >> 8);
}

void OldWay::WriteEepromByte(uint16_t addr, uint8_t value) {
  const uint16_t last = WaitNotBusy(kControl, kBusy);
  engine_.WriteRegister(kData, value);
  engine_.WriteRegister(kControl, (last & 0xF000) | (addr & 0x07FF));
  clock_.SleepMs(kWriteCycleMs);
  WaitNotBusy(kControl, kBusy);
}

void OldWay::ReadEeprom(uint16_t addr, size_t count) {
  for (size_t i = 0; i < count; ++i) ReadEepromByte(static_cast<uint16_t>(addr + i));
}

void OldWay::WriteEeprom(uint16_t addr, std::span<const uint8_t> bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) WriteEepromByte(static_cast<uint16_t>(addr + i), bytes[i]);
  ReadEeprom(addr, bytes.size());
}

ConfigImage OldWay::ReadRegisterImage() {
  ConfigImage image{};
  ForEachImageRegister([&](size_t, uint16_t reg, size_t offset) {
    SetImageWord(image, offset, engine_.ReadRegister(reg).Low16());
  });
  return image;
}

void OldWay::SoftReset() {
  const std::vector<int> control = Batch(std::vector<uint16_t>{0x0000});
  engine_.SetBatchBits(control[0], 0x0003, 0x0001);
  Flush();
  clock_.SleepMs(kSoftResetMs);
}

}  // namespace velkor::bench
