#include "transport/switch_access.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "transport/confirmed_read.h"

namespace velkor {

namespace {
constexpr uint16_t kPhyBusy = 0x8000;
constexpr uint16_t kPhyWrite = 0x4000;
constexpr uint16_t kPhyKeptBits = 0xBC00;
constexpr uint16_t kPhyShownBits = kPhyWrite | 0x03FF;  // the write bit, the PHY and its register
constexpr uint16_t kEepromBusy = 0x1000;
constexpr uint16_t kEepromRead = 0x0800;
constexpr uint16_t kEepromKeptBits = 0xF000;
constexpr uint16_t kEepromAddressBits = 0x07FF;
constexpr uint16_t kEepromShownBits = kEepromRead | kEepromAddressBits;
constexpr uint64_t kEepromWriteMs = 5;
// How long an idle reading of the EEPROM controller stands for a fresh poll.
constexpr uint64_t kEepromIdleReuseUs = 10'000;
constexpr uint16_t kIdentityRegister = 0x0207;
constexpr uint16_t kIdentityValue = 0x4140;
constexpr uint16_t kControlRegister = 0x0000;
constexpr uint32_t kRestartBit = 0x0001;
constexpr uint32_t kRestartClearedBit = 0x0002;  // must be 0 when the restart bit is set
constexpr uint64_t kRestartLimitMs = 5000;

uint16_t PhyCommand(uint16_t last, uint8_t phy, uint8_t reg) {
  return static_cast<uint16_t>((last & kPhyKeptBits) | (phy & 0x1F) << 5 | (reg & 0x1F));
}
}  // namespace

RegisterRead SwitchAccess::PollFresh(uint16_t reg, uint16_t busyBit, Written written, uint16_t along,
                                     RegisterRead* alongRead) {
  const std::array<uint16_t, 2> regs{reg, along};
  const std::vector<FencedRead> fresh = ReadFresh(engine_, {regs.data(), alongRead ? 2u : 1u});
  // Copies of an earlier exchange's replies, repeated by the segment, can fill this one in order: a
  // poll that does not show this command may be such a copy. A reply the segment held back can come
  // in any place: along, the value that decides, must read the same twice.
  const RegisterRead poll = fresh[0].fresh;
  const bool showsCommand =
      poll.answered && (poll.Low16() & written.shownBits) == (written.command & written.shownBits);
  const bool busy = (poll.Low16() & busyBit) != 0;
  if (showsCommand && (busy || !alongRead || fresh[1].first.value == fresh[1].fresh.value)) {
    if (alongRead) *alongRead = fresh[1].fresh;
    return poll;
  }
  // Otherwise, and when a lost reply broke the order that exchange proves by, reads that are asked
  // again until they are answered, and confirmed, stand in for it.
  if (!alongRead) {
    const RegisterRead r = engine_.ReadRegister(reg);
    return r.answered && (r.Low16() & busyBit) == 0 ? ConfirmRead(engine_, reg, r) : r;
  }
  auto read = engine_.ReadRegisterPair(reg, along);
  if (read.first.answered && (read.first.Low16() & busyBit) == 0) {
    read = ConfirmPair(engine_, reg, along, read);
    // along holds the command's result once reg has read idle: asked for alone when its reply was lost.
    if (read.first.answered && !read.second.answered) read.second = ReadConfirmed(engine_, along);
  }
  *alongRead = read.second;
  return read.first;
}

// A fresh exchange takes three frames, or six with along: a poll that most likely reads busy asks for
// the busy bit alone, and only a reading that may end the wait pays for the exchange.
RegisterRead SwitchAccess::PollCommand(uint16_t reg, uint16_t busyBit, Written written, uint16_t along,
                                       RegisterRead* alongRead, bool expectBusy) {
  if (expectBusy) {
    const RegisterRead r = engine_.ReadRegister(reg);
    if (!r.answered || (r.Low16() & busyBit) != 0) return r;
  }
  return PollFresh(reg, busyBit, written, along, alongRead);
}

std::optional<uint16_t> SwitchAccess::WaitNotBusy(uint16_t reg, uint16_t busyBit,
                                                  std::optional<Written> written, uint16_t along,
                                                  RegisterRead* alongRead) {
  Clock& clock = engine_.GetClock();
  const uint64_t deadline = clock.NowUs() + kPollLimitMs * 1000;
  // Most commands are done by the first poll; a slow one is polled less and less often.
  uint64_t sleepUs = kFirstPollSleepUs;
  for (bool first = true;; first = false) {
    RegisterRead r;
    if (written) {
      r = PollCommand(reg, busyBit, *written, along, alongRead, first && slowChannels_.contains(reg));
      if (first && r.answered) {
        if (r.Low16() & busyBit)
          slowChannels_.insert(reg);
        else
          slowChannels_.erase(reg);
      }
    } else {
      r = engine_.ReadRegister(reg);
    }
    if (r.answered && (r.Low16() & busyBit) == 0) return r.Low16();
    if (clock.NowUs() >= deadline) return std::nullopt;
    clock.SleepUs(sleepUs);
    sleepUs = std::min(2 * sleepUs, kPollIntervalMs * 1000);
  }
}

std::optional<uint16_t> SwitchAccess::ReadPhyRegister(uint8_t phy, uint8_t reg) {
  const auto last = WaitNotBusy(kPhyCommand, kPhyBusy);
  if (!last) return std::nullopt;
  const uint16_t command = PhyCommand(*last, phy, reg);
  engine_.WriteRegister(kPhyCommand, command);
  // The data register, read after the poll that finds the command done, holds its result.
  RegisterRead data;
  if (!WaitNotBusy(kPhyCommand, kPhyBusy, Written{command, kPhyShownBits}, kPhyReadData, &data) ||
      !data.answered)
    return std::nullopt;
  return data.Low16();
}

bool SwitchAccess::WritePhyRegister(uint8_t phy, uint8_t reg, uint16_t value) {
  const auto last = WaitNotBusy(kPhyCommand, kPhyBusy);
  if (!last) return false;
  const uint16_t command = PhyCommand(*last, phy, reg) | kPhyWrite;
  engine_.WriteRegister(kPhyWriteData, value);
  engine_.WriteRegister(kPhyCommand, command);
  return WaitNotBusy(kPhyCommand, kPhyBusy, Written{command, kPhyShownBits}).has_value();
}

std::optional<uint16_t> SwitchAccess::EepromIdle() {
  Clock& clock = engine_.GetClock();
  const auto idle = std::exchange(eepromIdle_, std::nullopt);
  if (idle && clock.NowUs() - eepromIdleAtUs_ <= kEepromIdleReuseUs) return idle;
  return WaitNotBusy(kEepromControl, kEepromBusy);
}

std::optional<uint16_t> SwitchAccess::EepromDone(uint16_t command, RegisterRead* dataRead) {
  eepromIdle_ =
      WaitNotBusy(kEepromControl, kEepromBusy, Written{command, kEepromShownBits}, kEepromData, dataRead);
  eepromIdleAtUs_ = engine_.GetClock().NowUs();
  return eepromIdle_;
}

std::optional<uint8_t> SwitchAccess::ReadEepromByte(uint16_t addr) {
  const auto last = EepromIdle();
  if (!last) return std::nullopt;
  const auto command =
      static_cast<uint16_t>((*last & kEepromKeptBits) | (addr & kEepromAddressBits) | kEepromRead);
  engine_.WriteRegister(kEepromControl, command);
  // The data register, read after the poll that finds the controller idle, holds this command's
  // byte. It does not say which byte it holds, so both are read fresh: an earlier byte's reply must
  // not pass for it, nor the previous command's "not busy" end the wait.
  RegisterRead data;
  if (!EepromDone(command, &data) || !data.answered) return std::nullopt;
  return static_cast<uint8_t>(data.Low16() >> 8);
}

std::optional<uint16_t> SwitchAccess::PollWhileRunning(uint16_t reg, uint16_t busyBit, Written written,
                                                       uint64_t untilUs) {
  Clock& clock = engine_.GetClock();
  for (uint64_t sleepUs = kFirstPollSleepUs;; sleepUs *= 2) {
    const RegisterRead r = PollCommand(reg, busyBit, written, 0, nullptr, true);
    if (r.answered && (r.Low16() & busyBit) == 0) return r.Low16();
    if (clock.NowUs() + sleepUs >= untilUs) return std::nullopt;
    clock.SleepUs(sleepUs);
  }
}

bool SwitchAccess::WriteEepromByte(uint16_t addr, uint8_t value) {
  const auto last = EepromIdle();
  if (!last) return false;
  const auto command = static_cast<uint16_t>((*last & kEepromKeptBits) | (addr & kEepromAddressBits));
  engine_.WriteRegister(kEepromData, value);
  engine_.WriteRegister(kEepromControl, command);
  Clock& clock = engine_.GetClock();
  const uint64_t cycleEndUs = clock.NowUs() + kEepromWriteMs * 1000;
  // Polled while the EEPROM writes, a controller that is done before the cycle ends costs no round
  // trip after it; the EEPROM still gets its whole cycle before the next command.
  eepromIdle_ = PollWhileRunning(kEepromControl, kEepromBusy, Written{command, kEepromShownBits}, cycleEndUs);
  eepromIdleAtUs_ = clock.NowUs();
  if (const uint64_t now = clock.NowUs(); now < cycleEndUs) clock.SleepUs(cycleEndUs - now);
  return eepromIdle_.has_value() || EepromDone(command).has_value();
}

std::optional<bool> SwitchAccess::CheckCommRegBit(uint16_t bit) {
  const RegisterRead r = engine_.ReadRegister(kMailbox);
  if (!r.answered) return std::nullopt;
  return (r.value & bit) != 0;
}

MailboxResult SwitchAccess::Comm2MCU(uint16_t bit) {
  const RegisterRead before = engine_.ReadRegister(kMailbox);
  if (!before.answered) return MailboxResult::kFailed;
  if (before.value & bit) return MailboxResult::kBusy;
  engine_.WriteRegister(kMailbox, before.value | bit);
  const RegisterRead after = engine_.ReadRegister(kMailbox);
  return after.answered && (after.value & bit) ? MailboxResult::kAccepted : MailboxResult::kFailed;
}

RestartResult SwitchAccess::SoftResetChip() {
  engine_.BeginBatch();
  const int control = engine_.QueueRead(kControlRegister);
  engine_.TransmitBatch();
  // Writing back a lost read would clear every other bit of the control register.
  if (!engine_.BatchAnswered(control)) return RestartResult::kNotAnswered;
  engine_.SetBatchBits(control, kRestartBit, kRestartBit);
  engine_.SetBatchBits(control, kRestartClearedBit, 0);
  engine_.FlushBatch();
  busy_.Begin();
  const bool back = WaitForIdentity();
  busy_.End();
  return back ? RestartResult::kRestarted : RestartResult::kNotBack;
}

bool SwitchAccess::AnswersWithIdentity() {
  const RegisterRead r = engine_.ReadRegister(kIdentityRegister);
  return r.answered && r.Low16() == kIdentityValue;
}

// The restarting chip does not answer; the first answer that carries its identity means it is back.
bool SwitchAccess::WaitForIdentity() {
  Clock& clock = engine_.GetClock();
  const uint64_t deadline = clock.NowUs() + kRestartLimitMs * 1000;
  for (;;) {
    if (AnswersWithIdentity()) return true;
    if (clock.NowUs() >= deadline) return false;
    clock.SleepMs(kPollIntervalMs);
  }
}

}  // namespace velkor
