#pragma once

#include <cstdint>
#include <map>

#include "sim/config_block.h"

namespace velkor::sim {

// The board microcontroller of the models that have one. The host sets a command bit in the
// mailbox register 0x0006; after a delay the microcontroller does the job and clears the bit.
// It keeps the switch configuration in its own memory, not in the EEPROM.
class Microcontroller {
 public:
  static constexpr uint16_t kMailboxRegister = 0x0006;
  static constexpr uint32_t kSaveConfiguration = 0x0004;
  static constexpr uint32_t kRestoreFactory = 0x0010;

  explicit Microcontroller(const ConfigBlock& factory) : factory_(factory), stored_(factory) {}

  void SetDelayUs(uint64_t us) { delayUs_ = us; }
  // A fault: commands are taken but never finished, so their bits stay set.
  void SetStuck(bool stuck) { stuck_ = stuck; }

  // The host wrote the mailbox; every command bit that became set is scheduled.
  void OnMailboxWrite(uint32_t before, uint32_t after, uint64_t nowUs);
  // The command bits whose delay has run out by nowUs, each handed out once.
  uint32_t TakeDue(uint64_t nowUs);

  const ConfigBlock& Stored() const { return stored_; }
  void Store(const ConfigBlock& block) { stored_ = block; }
  const ConfigBlock& Factory() const { return factory_; }

  // Power-on: commands in flight are forgotten, the stored configuration stays.
  void Reset() { due_.clear(); }

 private:
  ConfigBlock factory_;
  ConfigBlock stored_;
  uint64_t delayUs_ = 500000;
  bool stuck_ = false;
  std::map<uint32_t, uint64_t> due_;  // command bit -> when it is done
};

}  // namespace velkor::sim
