#pragma once

#include <cstdint>
#include <set>

#include "sim/busy_command.h"
#include "sim/factory_image.h"

namespace velkor::sim {

// The EEPROM behind registers 0x0217 (control: bit 12 busy, bit 11 read = 1 / write = 0, bits
// 10-0 address) and 0x0218 (data: a read's byte in bits 15-8, the byte to write in bits 7-0).
class EepromController {
 public:
  static constexpr uint16_t kControlRegister = 0x0217;
  static constexpr uint16_t kDataRegister = 0x0218;
  static constexpr uint32_t kBusy = 0x1000;
  static constexpr uint32_t kRead = 0x0800;
  static constexpr uint32_t kAddressBits = 0x07FF;

  explicit EepromController(const EepromImage& image) : bytes_(image) {}

  // Host side. Reading the control register is a poll of the busy bit.
  uint32_t ReadControl();
  uint32_t PeekControl() const;
  // A command written while the previous one is still busy is lost.
  void WriteControl(uint32_t value);
  uint32_t Data() const { return data_; }
  void WriteData(uint32_t value) { data_ = value; }

  // Backdoor.
  const EepromImage& Bytes() const { return bytes_; }
  uint8_t Byte(uint16_t addr) const { return bytes_[addr & kAddressBits]; }
  void SetByte(uint16_t addr, uint8_t value) { bytes_[addr & kAddressBits] = value; }
  // A fault: host writes to this byte no longer change it.
  void StickByte(uint16_t addr) { stuck_.insert(addr & kAddressBits); }
  BusyCommand& Busy() { return busy_; }

  // Power-on: the controller is idle, the memory keeps its content.
  void Reset();

 private:
  EepromImage bytes_;
  std::set<uint16_t> stuck_;
  uint32_t control_ = 0;
  uint32_t data_ = 0;
  BusyCommand busy_;
};

}  // namespace velkor::sim
