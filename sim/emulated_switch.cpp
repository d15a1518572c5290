#include "sim/emulated_switch.h"

#include <algorithm>
#include <vector>

#include "sim/factory_image.h"

namespace velkor::sim {

namespace {
uint16_t ChipIdOf(const SwitchSetup& s) {
  if (s.chipId) return *s.chipId;
  const ModelProfile* m = FindModel(s.modelCode);
  return m ? m->chipId : 0;
}

std::vector<uint8_t> AllPhys(const ChipPorts& ports) {
  std::vector<uint8_t> phys = ports.fastEthernet;
  phys.insert(phys.end(), ports.gigabit.begin(), ports.gigabit.end());
  return phys;
}

constexpr uint8_t kSpeed100 = 0x01;
constexpr uint8_t kSpeed1000 = 0x02;
constexpr uint8_t kFullDuplex = 0x04;
constexpr uint8_t kPause = 0x20;
}  // namespace

EmulatedSwitch::EmulatedSwitch(const SwitchSetup& setup, Clock& clock)
    : clock_(clock),
      setup_(setup),
      chipId_(ChipIdOf(setup)),
      ports_(PortsOfChip(chipId_)),
      localPort_(setup.localPort.value_or(ports_.fastEthernet.front())),
      mac_(setup.mac),
      modelCode_(setup.modelCode),
      eeprom_(FactoryEeprom(setup.modelCode, setup.mac)),
      phy_(AllPhys(ports_)) {
  const ModelProfile* model = FindModel(setup.modelCode);
  if (model && model->microcontroller) {
    mcu_ = std::make_unique<Microcontroller>(DefaultConfigBlock(setup.modelCode));
    mcu_->SetDelayUs(setup.timing.mcuDelayUs);
  }
  eeprom_.Busy().SetPolls(setup.timing.eepromBusyPolls);
  phy_.Busy().SetPolls(setup.timing.phyBusyPolls);
  link_[localPort_ % kChipPorts] = LinkUpStatus(localPort_);
  PowerCycle();
}

bool EmulatedSwitch::PortBit(uint16_t firstRegister, uint8_t port) const {
  return Stored(static_cast<uint16_t>(firstRegister + (port > 15 ? 1 : 0))) >> (port & 15) & 1;
}

bool EmulatedSwitch::ManagementEnabled(uint8_t port) const { return !PortBit(kManagementOffRegister, port); }

bool EmulatedSwitch::PortOn(uint8_t port) const { return !PortBit(kPortOffRegister, port); }

uint32_t EmulatedSwitch::Stored(uint16_t reg) const {
  auto it = regs_.find(reg);
  return it == regs_.end() ? 0 : it->second;
}

bool EmulatedSwitch::ReadOnly(uint16_t reg) const {
  return reg == kEepromPresentRegister || reg == kStatusRegister || reg == kIdentityRegister ||
         reg == kChipIdRegister || reg == PhyController::kReadDataRegister || IsLinkStatus(reg) ||
         (reg >= TrafficCounters::kCounterBase && reg <= TrafficCounters::kLastRegister);
}

uint32_t EmulatedSwitch::LinkStatusWord(uint16_t reg) const {
  const size_t even = 2 * (reg - kLinkStatusBase);
  return link_[even] | static_cast<uint32_t>(link_[even + 1]) << 8;
}

uint32_t EmulatedSwitch::Read(uint16_t reg) {
  Advance();
  if (reg == EepromController::kControlRegister) return eeprom_.ReadControl();
  if (reg == PhyController::kCommandRegister) return phy_.ReadCommand();
  return Peek(reg);
}

uint32_t EmulatedSwitch::Peek(uint16_t reg) {
  Advance();
  if (TrafficCounters::Covers(reg)) return counters_.Read(reg);
  if (IsLinkStatus(reg)) return LinkStatusWord(reg);
  switch (reg) {
    case EepromController::kControlRegister:
      return eeprom_.PeekControl();
    case EepromController::kDataRegister:
      return eeprom_.Data();
    case PhyController::kCommandRegister:
      return phy_.PeekCommand();
    case PhyController::kWriteDataRegister:
      return phy_.WriteData();
    case PhyController::kReadDataRegister:
      return phy_.ReadData();
    default:
      return Stored(reg);
  }
}

void EmulatedSwitch::Write(uint16_t reg, uint32_t value) {
  Advance();
  if (ReadOnly(reg) || frozen_.count(reg)) return;
  if (TrafficCounters::Covers(reg)) return counters_.Write(reg, value);
  switch (reg) {
    case EepromController::kControlRegister:
      return eeprom_.WriteControl(value);
    case EepromController::kDataRegister:
      return eeprom_.WriteData(value);
    case PhyController::kCommandRegister:
      return phy_.WriteCommand(value);
    case PhyController::kWriteDataRegister:
      return phy_.SetWriteData(value);
    case kControlRegister:
      regs_[reg] = value & ~1u;
      if (value & 1) SoftReset();
      return;
    case Microcontroller::kMailboxRegister:
      if (mcu_) mcu_->OnMailboxWrite(Stored(reg), value, clock_.NowUs());
      regs_[reg] = value;
      return;
    default:
      regs_[reg] = value;
  }
}

bool EmulatedSwitch::Poke(uint16_t reg, uint32_t value) {
  Advance();
  if (reg == EepromController::kControlRegister || reg == EepromController::kDataRegister ||
      (reg >= PhyController::kCommandRegister && reg <= PhyController::kReadDataRegister))
    return false;
  if (TrafficCounters::Covers(reg)) {
    counters_.Write(reg, value);
  } else if (IsLinkStatus(reg)) {
    const size_t even = 2 * (reg - kLinkStatusBase);
    link_[even] = static_cast<uint8_t>(value);
    link_[even + 1] = static_cast<uint8_t>(value >> 8);
  } else {
    regs_[reg] = value;
  }
  return true;
}

void EmulatedSwitch::SetLinkStatus(uint8_t port, uint8_t status) { link_[port % kChipPorts] = status; }

uint8_t EmulatedSwitch::LinkUpStatus(uint8_t port) const {
  const bool gigabit = std::find(ports_.gigabit.begin(), ports_.gigabit.end(), port) != ports_.gigabit.end();
  return (gigabit ? kSpeed1000 : kSpeed100) | kFullDuplex | kLinkUpBit | kPause;
}

void EmulatedSwitch::SetTraffic(uint8_t port, Counter counter, const TrafficRates& rates) {
  Advance();
  counters_.SetRates(port, counter, rates);
}

void EmulatedSwitch::SetCounter(uint8_t port, Counter counter, uint32_t value) {
  Advance();
  counters_.SetValue(port, counter, value);
}

uint32_t EmulatedSwitch::CounterValue(uint8_t port, Counter counter) {
  Advance();
  return counters_.Value(port, counter);
}

void EmulatedSwitch::Advance() {
  const uint64_t now = clock_.NowUs();
  if (now > lastAdvanceUs_) {
    counters_.Advance(now - lastAdvanceUs_);
    lastAdvanceUs_ = now;
  }
  if (!mcu_) return;
  // A bit the host cleared in the meantime is no command any more.
  const uint32_t done = mcu_->TakeDue(now) & Stored(Microcontroller::kMailboxRegister);
  if (done & Microcontroller::kSaveConfiguration) mcu_->Store(CurrentConfiguration(mcu_->Stored()));
  if (done & Microcontroller::kRestoreFactory) {
    mcu_->Store(mcu_->Factory());
    LoadConfiguration(mcu_->Factory());
  }
  if (done) regs_[Microcontroller::kMailboxRegister] &= ~done;
}

void EmulatedSwitch::SoftReset() {
  counters_.ClearValues();
  restartUntilUs_ = clock_.NowUs() + setup_.timing.softResetUs;
}

void EmulatedSwitch::PowerCycle() {
  regs_.clear();
  counters_.Reset();
  eeprom_.Reset();
  phy_.Reset();
  if (mcu_) mcu_->Reset();
  restartUntilUs_ = 0;
  lastAdvanceUs_ = clock_.NowUs();
  regs_[kIdentityRegister] = kIdentity;
  regs_[kChipIdRegister] = chipId_;
  regs_[kEepromPresentRegister] = setup_.eepromPresent ? 0 : 1;
  regs_[kStatusRegister] = setup_.gigabitModule ? kGigabitModuleBit : 0;
  regs_[kKeyRegister] = kKey;
  if (setup_.eepromPresent) {
    const EepromImage& e = eeprom_.Bytes();
    std::copy_n(e.begin() + kEepromMacAddress, mac_.size(), mac_.begin());
    modelCode_ = e[kEepromModelByte] & 0x0F;
  }
  if (mcu_) {
    LoadConfiguration(mcu_->Stored());
  } else if (setup_.eepromPresent) {
    LoadConfiguration(EepromBlock());
  }
}

void EmulatedSwitch::LoadConfiguration(const ConfigBlock& block) {
  // The chip never loads the key register from the block: it keeps its reset value.
  ForEachBlockRegister([&](uint16_t reg, size_t offset) {
    if (reg != kKeyRegister) regs_[reg] = BlockWord(block, offset);
  });
}

ConfigBlock EmulatedSwitch::CurrentConfiguration(ConfigBlock base) const {
  ForEachBlockRegister(
      [&](uint16_t reg, size_t offset) { PutBlockWord(base, offset, static_cast<uint16_t>(Stored(reg))); });
  return base;
}

ConfigBlock EmulatedSwitch::EepromBlock() const {
  ConfigBlock block;
  std::copy_n(eeprom_.Bytes().begin() + kConfigBlockFirstByte, block.size(), block.begin());
  return block;
}

}  // namespace velkor::sim
