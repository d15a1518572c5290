#include "sim/eeprom_controller.h"

namespace velkor::sim {

uint32_t EepromController::ReadControl() { return busy_.Poll() ? control_ | kBusy : control_; }

uint32_t EepromController::PeekControl() const { return busy_.Busy() ? control_ | kBusy : control_; }

void EepromController::WriteControl(uint32_t value) {
  if (busy_.Busy()) return;
  control_ = value & ~kBusy;
  const uint16_t addr = value & kAddressBits;
  if (value & kRead) {
    busy_.Begin([this, addr] { data_ = (data_ & ~0xFF00u) | static_cast<uint32_t>(bytes_[addr]) << 8; });
  } else {
    const uint8_t byte = static_cast<uint8_t>(data_);
    busy_.Begin([this, addr, byte] {
      if (!stuck_.count(addr)) bytes_[addr] = byte;
    });
  }
}

void EepromController::Reset() {
  busy_.Reset();
  control_ = 0;
  data_ = 0;
}

}  // namespace velkor::sim
