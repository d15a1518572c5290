#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "sim/busy_command.h"

namespace velkor::sim {

// The PHY management interface behind registers 0x0500 (command: bit 15 busy, bit 14 write,
// PHY address in bits 9-5, register in bits 4-0), 0x0501 (data to write) and 0x0502 (data read).
// An address without a PHY reads 0xFFFF and ignores writes.
class PhyController {
 public:
  static constexpr uint16_t kCommandRegister = 0x0500;
  static constexpr uint16_t kWriteDataRegister = 0x0501;
  static constexpr uint16_t kReadDataRegister = 0x0502;
  static constexpr uint32_t kBusy = 0x8000;
  static constexpr uint32_t kWrite = 0x4000;

  explicit PhyController(const std::vector<uint8_t>& presentPhys);

  // Host side. Reading the command register is a poll of the busy bit.
  uint32_t ReadCommand();
  uint32_t PeekCommand() const;
  // A command written while the previous one is still busy is lost.
  void WriteCommand(uint32_t value);
  uint32_t WriteData() const { return writeData_; }
  void SetWriteData(uint32_t value) { writeData_ = value; }
  uint32_t ReadData() const { return readData_; }

  // Backdoor.
  bool Present(uint8_t phy) const { return present_ >> (phy & 0x1F) & 1; }
  void SetPresent(uint8_t phy, bool present);
  uint16_t Register(uint8_t phy, uint8_t reg) const { return regs_[phy & 0x1F][reg & 0x1F]; }
  void SetRegister(uint8_t phy, uint8_t reg, uint16_t value) { regs_[phy & 0x1F][reg & 0x1F] = value; }
  BusyCommand& Busy() { return busy_; }

  // Power-on: every PHY back to its reset values, the interface idle.
  void Reset();

 private:
  void Execute(uint8_t phy, uint8_t reg, bool write, uint16_t value);

  uint32_t present_ = 0;
  std::array<std::array<uint16_t, 32>, 32> regs_{};
  uint32_t command_ = 0;
  uint32_t writeData_ = 0;
  uint32_t readData_ = 0;
  BusyCommand busy_;
};

}  // namespace velkor::sim
