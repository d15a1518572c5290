#pragma once

#include <cstdint>
#include <optional>
#include <set>

#include "transport/register_engine.h"

namespace velkor {

// Shows the busy cursor while a long wait blocks the user interface; the default shows nothing.
class BusyIndicator {
 public:
  virtual ~BusyIndicator() = default;
  virtual void Begin() {}
  virtual void End() {}
};

enum class RestartResult {
  kRestarted,    // the restart bit was set and the switch answers again
  kNotAnswered,  // the control register did not answer: nothing was written
  kNotBack,      // the restart bit was set, but the switch did not answer again within 5 s
};

enum class MailboxResult {
  kAccepted,  // the bit was set and reads back set
  kBusy,      // a previous command is still pending
  kFailed,    // the switch did not answer, or the bit did not stick
};

// The channels built on registers: PHY management (0x0500-0x0502), the configuration EEPROM
// (0x0217/0x0218), the microcontroller mailbox (0x0006) and the chip's soft reset (0x0000).
// Every busy-bit poll is bounded, so a switch whose busy bit never clears fails the access
// instead of hanging the program.
class SwitchAccess {
 public:
  static constexpr uint16_t kEepromControl = 0x0217;
  static constexpr uint16_t kEepromData = 0x0218;
  static constexpr uint16_t kPhyCommand = 0x0500;
  static constexpr uint16_t kPhyWriteData = 0x0501;
  static constexpr uint16_t kPhyReadData = 0x0502;
  static constexpr uint16_t kMailbox = 0x0006;
  static constexpr uint64_t kFirstPollSleepUs = 5;
  static constexpr uint64_t kPollIntervalMs = 3;  // the longest sleep between polls
  static constexpr uint64_t kPollLimitMs = 1000;

  SwitchAccess(RegisterEngine& engine, BusyIndicator& busy) : engine_(engine), busy_(busy) {}

  std::optional<uint16_t> ReadPhyRegister(uint8_t phy, uint8_t reg);
  bool WritePhyRegister(uint8_t phy, uint8_t reg, uint16_t value);
  // Addresses are 11 bits: 0x0812 reaches byte 0x012.
  std::optional<uint8_t> ReadEepromByte(uint16_t addr);
  bool WriteEepromByte(uint16_t addr, uint8_t value);

  // Whether the mailbox bit is set; none when the switch did not answer.
  std::optional<bool> CheckCommRegBit(uint16_t bit);
  MailboxResult Comm2MCU(uint16_t bit);

  // One read of the identity register (0x0207): true when it answers 0x4140, the sign that the
  // switch is there and answering.
  bool AnswersWithIdentity();

  // Sets bit 0 and clears bit 1 of register 0x0000, then waits under the busy cursor until the
  // switch answers with its identity again, at most 5 s.
  RestartResult SoftResetChip();

  RegisterEngine& Engine() { return engine_; }

 private:
  // The command just written to a channel's command register, and the bits of it the register
  // shows back while and after it runs.
  struct Written {
    uint16_t command;
    uint16_t shownBits;
  };
  // Polls reg until (value & busyBit) == 0; the last value, or none on time-out. After a command
  // (written), a stale copy of the previous command's "not busy" must not end the wait: the polls
  // are read fresh, with along read fresh after each in the same exchange when alongRead is given.
  std::optional<uint16_t> WaitNotBusy(uint16_t reg, uint16_t busyBit, std::optional<Written> written = {},
                                      uint16_t along = 0, RegisterRead* alongRead = nullptr);
  // One poll of reg after written. When it is expected to read busy, it first asks for the busy bit
  // alone; a reading that may end the wait is read fresh, with along after it when alongRead is
  // given.
  RegisterRead PollCommand(uint16_t reg, uint16_t busyBit, Written written, uint16_t along,
                           RegisterRead* alongRead, bool expectBusy);
  // Polls reg while written is known to run, until untilUs: each poll first asks for the busy bit
  // alone. The idle value once a fresh poll finds the command done; none when the time is up first.
  std::optional<uint16_t> PollWhileRunning(uint16_t reg, uint16_t busyBit, Written written, uint64_t untilUs);
  // One poll of reg after written, read fresh, with along after it when alongRead is given.
  RegisterRead PollFresh(uint16_t reg, uint16_t busyBit, Written written, uint16_t along,
                         RegisterRead* alongRead);
  // The idle EEPROM control value a command starts from. The poll that ended this program's last
  // command found the controller idle; read just now, it stands for the poll before the next one,
  // which would read the same.
  std::optional<uint16_t> EepromIdle();
  // The poll that ends an EEPROM command; remembers what it found. The data register comes with
  // it when dataRead is given.
  std::optional<uint16_t> EepromDone(uint16_t command, RegisterRead* dataRead = nullptr);
  // Polls the identity register until it reads back right, at most 5 s; false on time-out.
  bool WaitForIdentity();

  RegisterEngine& engine_;
  BusyIndicator& busy_;
  std::optional<uint16_t> eepromIdle_;
  uint64_t eepromIdleAtUs_ = 0;
  // Command registers whose last command still read busy at its first poll: the next one most
  // likely will too.
  std::set<uint16_t> slowChannels_;
};

}  // namespace velkor
