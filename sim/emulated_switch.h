#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "sim/eeprom_controller.h"
#include "sim/microcontroller.h"
#include "sim/models.h"
#include "sim/phy_controller.h"
#include "sim/switch_setup.h"
#include "sim/traffic_counters.h"
#include "transport/clock.h"

namespace velkor::sim {

// The switch chip with its EEPROM, PHYs, traffic counters and (on some models) microcontroller,
// seen through its 16-bit-addressed registers of 32 bits each. Time comes from the clock: the
// counters and the microcontroller catch up whenever the switch is touched.
class EmulatedSwitch {
 public:
  static constexpr uint16_t kControlRegister = 0x0000;  // bit 0: soft reset, clears itself
  static constexpr uint16_t kEepromPresentRegister = 0x0100;
  static constexpr uint16_t kStatusRegister = 0x0102;
  static constexpr uint16_t kManagementOffRegister = 0x0201;  // 0x0202 for ports 16 and up
  static constexpr uint16_t kIdentityRegister = 0x0207;
  static constexpr uint16_t kChipIdRegister = 0x0208;
  static constexpr uint16_t kKeyRegister = 0x0209;
  static constexpr uint16_t kPortOffRegister = 0x0608;  // 0x0609 for ports 16 and up
  static constexpr uint16_t kLinkStatusBase = 0x0619;   // one byte per port, odd ports high
  static constexpr uint32_t kIdentity = 0x4140;
  static constexpr uint32_t kKey = 0x5C3A;
  static constexpr uint32_t kGigabitModuleBit = 0x0008;
  static constexpr uint8_t kLinkUpBit = 0x10;  // in a port's link-status byte

  EmulatedSwitch(const SwitchSetup& setup, Clock& clock);
  // Commands in flight hold on to their controller: a switch stays where it was built.
  EmulatedSwitch(const EmulatedSwitch&) = delete;
  EmulatedSwitch& operator=(const EmulatedSwitch&) = delete;

  // What the chip took from its EEPROM at power-on.
  const Mac& MacAddress() const { return mac_; }
  uint8_t ModelCode() const { return modelCode_; }
  uint8_t LocalPort() const { return localPort_; }
  const ChipPorts& Ports() const { return ports_; }
  bool HasMicrocontroller() const { return mcu_ != nullptr; }
  // True while a soft reset keeps the chip from answering and forwarding.
  bool Restarting() const { return clock_.NowUs() < restartUntilUs_; }
  bool ManagementEnabled(uint8_t port) const;
  bool PortOn(uint8_t port) const;

  // The host's get and set. Reads of 0x0217 and 0x0500 are polls of their busy bits; writes to
  // the identity, status, link-status, counter and read-data registers are ignored.
  uint32_t Read(uint16_t reg);
  void Write(uint16_t reg, uint32_t value);

  // Backdoor for tests. Peek reads without side effects; Poke sets what a read returns,
  // read-only registers and counters included. The EEPROM and PHY interface registers cannot be
  // poked (false): use Eeprom() and Phys().
  uint32_t Peek(uint16_t reg);
  bool Poke(uint16_t reg, uint32_t value);
  // A register whose cells have failed: it keeps what it holds and ignores the host's writes.
  void Freeze(uint16_t reg) { frozen_.insert(reg); }
  void SetLinkStatus(uint8_t port, uint8_t status);
  uint8_t LinkStatus(uint8_t port) const { return link_[port % kChipPorts]; }
  void SetTraffic(uint8_t port, Counter counter, const TrafficRates& rates);
  void SetCounter(uint8_t port, Counter counter, uint32_t value);
  uint32_t CounterValue(uint8_t port, Counter counter);
  EepromController& Eeprom() { return eeprom_; }
  PhyController& Phys() { return phy_; }
  Microcontroller* Mcu() { return mcu_.get(); }

  // Off and on again: registers from their reset values and the configuration (EEPROM block, or
  // the microcontroller's copy), counters at 0; EEPROM, links and traffic stay.
  void PowerCycle();

  // The link-status byte of a port that is up: 100 Mbit/s (gigabit ports 1000) full duplex, pause.
  uint8_t LinkUpStatus(uint8_t port) const;

 private:
  uint32_t Stored(uint16_t reg) const;
  bool ReadOnly(uint16_t reg) const;
  bool IsLinkStatus(uint16_t reg) const {
    return reg >= kLinkStatusBase && reg < kLinkStatusBase + kChipPorts / 2;
  }
  uint32_t LinkStatusWord(uint16_t reg) const;
  bool PortBit(uint16_t firstRegister, uint8_t port) const;
  void Advance();
  void SoftReset();
  void LoadConfiguration(const ConfigBlock& block);
  ConfigBlock CurrentConfiguration(ConfigBlock base) const;
  ConfigBlock EepromBlock() const;

  Clock& clock_;
  const SwitchSetup setup_;
  const uint16_t chipId_;
  const ChipPorts ports_;
  const uint8_t localPort_;
  Mac mac_;
  uint8_t modelCode_;
  std::unordered_map<uint16_t, uint32_t> regs_;
  std::unordered_set<uint16_t> frozen_;
  std::array<uint8_t, kChipPorts> link_{};
  EepromController eeprom_;
  PhyController phy_;
  TrafficCounters counters_;
  std::unique_ptr<Microcontroller> mcu_;
  uint64_t lastAdvanceUs_ = 0;
  uint64_t restartUntilUs_ = 0;
};

}  // namespace velkor::sim
