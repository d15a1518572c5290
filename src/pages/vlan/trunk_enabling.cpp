#include "pages/vlan/trunk_enabling.h"

#include <set>

#include "device/message_table.h"
#include "device/model.h"
#include "pages/ports/trunk_groups.h"
#include "pages/switch/mirroring.h"
#include "pages/vlan/trunk_vlan_check.h"
#include "pages/vlan/vlan_batch.h"

namespace velkor {

namespace {

constexpr int kGigabitChipPort = 24;
constexpr uint16_t kPortOff = 0x0608;     // bit p & 15, 0x0609 from chip port 16
constexpr uint16_t kRateLimits = 0x020A;  // + p/2: receive 0x07, transmit 0x70 per byte
constexpr uint16_t kPhyControl = 0x060A;  // + p/2: advertisement 0x1F, pause 0x20, 0x40 per byte
constexpr uint32_t kRateBits = 0x77;
constexpr uint32_t kAdvertiseGigabit = 0x1F, kAdvertiseFast = 0x0F;
constexpr uint32_t kPauseOn = 0x20, kPauseFlag = 0x40;

uint16_t PortOffRegister(int p) { return static_cast<uint16_t>(kPortOff + (p > 15 ? 1 : 0)); }
uint16_t RateRegister(int p) { return static_cast<uint16_t>(kRateLimits + p / 2); }
uint16_t PhyRegister(int p) { return static_cast<uint16_t>(kPhyControl + p / 2); }

}  // namespace

Outcome TrunkEnabling::Lost() {
  return c_.connection.State().connected ? c_.Unanswered() : Outcome::kSwitchLost;
}

Outcome TrunkEnabling::Enable(int chipPort, ResetNotice notice) {
  const int model = c_.ModelCode();
  const int group = TrunkGroupOf(model, chipPort);
  if (group < 0 || (model != kModelG26A && chipPort >= kGigabitChipPort)) return Outcome::kRefused;
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  const uint32_t members = TrunkMemberMask(model, chipPort);
  const std::optional<uint32_t> mirroring = MirroringMask(c_);
  if (!mirroring) return Lost();
  if (members & *mirroring) {
    c_.prompter.Refuse(Message(MessageId::kTrunkMemberIsMirrored));
    return Outcome::kRefused;
  }
  if (const Outcome vlan = CheckTrunkVlanConsistency(c_, tables_, members); vlan != Outcome::kDone)
    return vlan;
  // The enable bit and the members' settings are written together, from reads that all answered:
  // a group never goes on with its members unreset.
  VlanBatch batch(c_.Engine());
  batch.Queue(kTrunkEnableRegister);
  QueueMemberRegisters(batch);
  if (!batch.Transmit(BatchReads::kConfirmed)) return Lost();
  const uint32_t bit = 1u << group;
  const uint32_t enabled = batch.Value(kTrunkEnableRegister);
  if (enabled & bit) return Outcome::kDone;
  batch.SetBits(kTrunkEnableRegister, bit, bit);
  if (notice == ResetNotice::kTell)
    c_.prompter.Notice(Message(MessageId::kTrunkMembersReset));
  else if (!c_.prompter.Confirm(Message(MessageId::kTrunkMembersReset)))
    return Outcome::kNotConfirmed;
  ResetMembers(batch, TrunkedPorts(model, c_.Layout(), static_cast<uint16_t>(enabled | bit)));
  batch.Flush();
  if (const Outcome reset = SoftReset(); reset != Outcome::kDone) return reset;
  const std::optional<uint32_t> after = c_.Read(kTrunkEnableRegister);
  if (!after) return Lost();
  return (*after & bit) ? Outcome::kDone : Outcome::kNotVerified;
}

Outcome TrunkEnabling::Disable(const std::vector<int>& chipPorts) {
  const int model = c_.ModelCode();
  uint32_t bits = 0;
  for (int p : chipPorts)
    if (const int group = TrunkGroupOf(model, p); group >= 0 && (model == kModelG26A || p < kGigabitChipPort))
      bits |= 1u << group;
  if (bits == 0) return Outcome::kRefused;
  VlanBatch batch(c_.Engine());
  batch.Queue(kTrunkEnableRegister);
  if (!batch.Transmit(BatchReads::kConfirmed)) return Lost();
  batch.SetBits(kTrunkEnableRegister, bits, 0);
  batch.Flush();
  const std::optional<uint32_t> after = c_.Read(kTrunkEnableRegister);
  if (!after) return Lost();
  return (*after & bits) ? Outcome::kNotVerified : Outcome::kDone;
}

Outcome TrunkEnabling::ResetTrunkMembers() {
  if (!c_.connection.CheckConnection()) return Outcome::kSwitchLost;
  VlanBatch batch(c_.Engine());
  QueueMemberRegisters(batch);
  if (!batch.Transmit(BatchReads::kConfirmed)) return Lost();
  const TrunkMembers trunked = ReadTrunkMembers(c_.connection, c_.Engine(), c_.Layout());
  if (!trunked.ok) return Lost();
  ResetMembers(batch, trunked.mask);
  batch.Flush();
  return SoftReset();
}

void TrunkEnabling::QueueMemberRegisters(VlanBatch& batch) const {
  std::set<uint16_t> registers;
  for (int q = 0; q < c_.Layout().PortSlots(); ++q)
    registers.insert({PortOffRegister(q), RateRegister(q), PhyRegister(q)});
  for (uint16_t reg : registers) batch.Queue(reg);
}

void TrunkEnabling::ResetMembers(VlanBatch& batch, uint32_t trunked) const {
  const PortLayout& layout = c_.Layout();
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    if (p < 0 || p >= 32 || !(trunked >> p & 1)) continue;
    const int shift = 8 * (p & 1);
    const uint32_t advertise = p >= kGigabitChipPort ? kAdvertiseGigabit : kAdvertiseFast;
    batch.SetBits(PortOffRegister(p), 1u << (p & 15), 0);
    batch.SetBits(RateRegister(p), kRateBits << shift, 0);
    batch.SetBits(PhyRegister(p), (kAdvertiseGigabit | kPauseOn | kPauseFlag) << shift,
                  (advertise | kPauseOn) << shift);
  }
}

Outcome TrunkingEnabledClick(PortSettings& page, TrunkEnabling& trunks) {
  const std::vector<size_t> rows = page.SelectedRows();
  if (rows.empty() || page.Rows().at(rows.front()).Cell(PortColumn::kTrunk) != Message(MessageId::kDisabled))
    return Outcome::kRefused;
  const Outcome outcome = trunks.Enable(page.ChipPortOfRow(rows.front()));
  page.FillPortSettings();
  return outcome;
}

Outcome TrunkingDisabledClick(PortSettings& page, TrunkEnabling& trunks) {
  std::vector<int> ports;
  for (size_t row : page.SelectedRows())
    if (page.Rows().at(row).Cell(PortColumn::kTrunk) != Message(MessageId::kDisabled))
      ports.push_back(page.ChipPortOfRow(row));
  const Outcome outcome = ports.empty() ? Outcome::kDone : trunks.Disable(ports);
  page.FillPortSettings();
  return outcome;
}

Outcome TrunkEnabling::SoftReset() {
  switch (c_.transport.access.SoftResetChip()) {
    case RestartResult::kRestarted:
      return Outcome::kDone;
    case RestartResult::kNotAnswered:
      return c_.Unanswered();
    case RestartResult::kNotBack:
      break;
  }
  return c_.connection.CheckConnection() ? Outcome::kDone : Outcome::kSwitchLost;
}

}  // namespace velkor
