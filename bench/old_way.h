#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "transport/register_engine.h"
#include "transport/register_image.h"

namespace velkor::bench {

// The actions as they were done before they waited for events: a batch waited a fixed 100 ms, a
// batch of writes too, busy bits were polled every 3 ms, every EEPROM byte was written whether it
// differed or not, the register image was read one register at a time and a soft reset waited 5 s.
// The figures are measured against it in the same run.
class OldWay {
 public:
  explicit OldWay(RegisterEngine& engine) : engine_(engine), clock_(engine.GetClock()) {}

  // Reads regs in one batch with the fixed wait; entries as QueueRead gave them.
  std::vector<int> Batch(std::span<const uint16_t> regs);
  void Flush();
  uint8_t ReadEepromByte(uint16_t addr);
  void WriteEepromByte(uint16_t addr, uint8_t value);
  void ReadEeprom(uint16_t addr, size_t count);
  // Writes every byte, then reads every byte back.
  void WriteEeprom(uint16_t addr, std::span<const uint8_t> bytes);
  ConfigImage ReadRegisterImage();
  void SoftReset();

 private:
  uint16_t WaitNotBusy(uint16_t reg, uint16_t busyBit);

  RegisterEngine& engine_;
  Clock& clock_;
};

}  // namespace velkor::bench
