#include "sim/phy_controller.h"

namespace velkor::sim {

namespace {
// IEEE basic registers after reset: auto-negotiation on at 100 Mbit/s full duplex, 10/100
// abilities, and the same abilities advertised.
constexpr uint16_t kControlReset = 0x3100;
constexpr uint16_t kStatusReset = 0x7809;
constexpr uint16_t kAdvertisementReset = 0x01E1;
// Reset (bit 15) and restart auto-negotiation (bit 9) clear themselves.
constexpr uint16_t kSelfClearingControlBits = 0x8200;
}  // namespace

PhyController::PhyController(const std::vector<uint8_t>& presentPhys) {
  for (uint8_t phy : presentPhys) SetPresent(phy, true);
  Reset();
}

void PhyController::SetPresent(uint8_t phy, bool present) {
  const uint32_t bit = 1u << (phy & 0x1F);
  present_ = present ? present_ | bit : present_ & ~bit;
}

uint32_t PhyController::ReadCommand() { return busy_.Poll() ? command_ | kBusy : command_; }

uint32_t PhyController::PeekCommand() const { return busy_.Busy() ? command_ | kBusy : command_; }

void PhyController::WriteCommand(uint32_t value) {
  if (busy_.Busy()) return;
  command_ = value & ~kBusy;
  const uint8_t phy = value >> 5 & 0x1F;
  const uint8_t reg = value & 0x1F;
  const bool write = value & kWrite;
  const uint16_t data = static_cast<uint16_t>(writeData_);
  busy_.Begin([this, phy, reg, write, data] { Execute(phy, reg, write, data); });
}

void PhyController::Execute(uint8_t phy, uint8_t reg, bool write, uint16_t value) {
  if (!write) {
    readData_ = Present(phy) ? regs_[phy][reg] : 0xFFFF;
    return;
  }
  if (!Present(phy)) return;
  regs_[phy][reg] = reg == 0 ? value & ~kSelfClearingControlBits : value;
}

void PhyController::Reset() {
  busy_.Reset();
  command_ = writeData_ = readData_ = 0;
  for (auto& phy : regs_) {
    phy.fill(0);
    phy[0] = kControlReset;
    phy[1] = kStatusReset;
    phy[4] = kAdvertisementReset;
  }
}

}  // namespace velkor::sim
