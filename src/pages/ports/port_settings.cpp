#include "pages/ports/port_settings.h"

#include <algorithm>

#include "device/gbk_text.h"
#include "device/message_table.h"
#include "device/model.h"
#include "device/port_captions.h"
#include "pages/ports/port_settings_batch.h"
#include "pages/ports/read_back.h"
#include "pages/ports/trunk_groups.h"

namespace velkor {

namespace {

constexpr PortField kFields[] = {PortField::kPortOff, PortField::kBandwidth, PortField::kAdvertisement};
// The columns read from the chip (the description comes from the EEPROM cache).
constexpr PortColumn kSettingColumns[] = {PortColumn::kSwitch, PortColumn::kRx,   PortColumn::kTx,
                                          PortColumn::kSpeed,  PortColumn::kFlow, PortColumn::kTrunk};

// Members of an enabled group keep the settings the group gave them; a group whose state did not
// answer ("?") counts as enabled.
bool TrunkLocked(const PortSettingsRow& row) {
  const std::string& trunk = row.Cell(PortColumn::kTrunk);
  return trunk != Message(MessageId::kDisabled) && trunk != kNoneText;
}

bool SwitchesOff(const PortSettingItem& item) { return item.field == PortField::kPortOff && item.value != 0; }

// What a setting column shows for a port's registers; the trunk and description columns are no
// settings of the port's registers.
std::string SettingText(PortColumn column, const PortRegisters& regs) {
  switch (column) {
    case PortColumn::kSwitch:
      return SwitchText(regs.off);
    case PortColumn::kRx:
      return RxText(regs.bandwidth);
    case PortColumn::kTx:
      return TxText(regs.bandwidth);
    case PortColumn::kSpeed:
      return SpeedText(regs.advertisement);
    case PortColumn::kFlow:
      return FlowText(regs.advertisement);
    default:
      return kNoneText;
  }
}

// The outcome a handler reports when rows ended differently: the one the caller most needs to know.
Outcome Worse(Outcome a, Outcome b) {
  constexpr Outcome kMildestFirst[] = {Outcome::kDone, Outcome::kRefused, Outcome::kNotVerified,
                                       Outcome::kNoAnswer, Outcome::kSwitchLost};
  const auto rank = [&](Outcome o) {
    return std::find(std::begin(kMildestFirst), std::end(kMildestFirst), o);
  };
  return rank(a) >= rank(b) ? a : b;
}

}  // namespace

const std::string& PortSettingsRow::Cell(PortColumn column) const {
  static const std::string kNoCell;
  const auto i = static_cast<size_t>(column);
  return i < cells.size() ? cells[i] : kNoCell;
}

bool PortSettingsRow::Known() const {
  return std::none_of(std::begin(kSettingColumns), std::end(kSettingColumns),
                      [&](PortColumn column) { return Cell(column) == kUnknownText; });
}

std::vector<PortSettingsRow> PortSettings::ReadRows(BatchReads reads) {
  const PortLayout& layout = Layout();
  RegisterBatch batch(transport_.engine);
  for (int q = 0; q < layout.PortSlots(); ++q)
    for (PortField field : kFields) batch.Queue(FieldRegister(field, q));
  batch.Queue(kTrunkEnableRegister);
  batch.Transmit(reads);

  std::optional<uint16_t> trunkEnable;
  if (const auto v = batch.Value(kTrunkEnableRegister)) trunkEnable = static_cast<uint16_t>(*v);
  const int modelCode = connection_.State().modelCode;
  const auto feRows = static_cast<size_t>(layout.FeCount());

  std::vector<PortSettingsRow> rows;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    const bool gigabit = row >= feRows;
    const PortRegisters regs = DecodePort(batch.Values(), p);
    PortSettingsRow r{RowCaption(layout, row), {}};
    for (PortColumn column : kSettingColumns)
      r.cells.push_back(column == PortColumn::kTrunk ? TrunkText(modelCode, p, gigabit, trunkEnable)
                                                     : SettingText(column, regs));
    if (!gigabit && row < kPortDescriptionSlots) r.cells.push_back(GbkToUtf8(transport_.cache.ports[row]));
    rows.push_back(std::move(r));
  }
  return rows;
}

Outcome PortSettings::FillPortSettings(BatchReads reads) {
  view_.Repaint();
  if (!connection_.CheckConnection()) return Outcome::kSwitchLost;
  rows_ = ReadRows(reads);
  view_.SetRows(rows_);
  view_.Repaint();
  const bool known = std::all_of(rows_.begin(), rows_.end(), [](auto& row) { return row.Known(); });
  return known ? Outcome::kDone : Outcome::kNoAnswer;
}

std::vector<size_t> PortSettings::SelectedRows() const {
  std::vector<size_t> rows;
  for (size_t row : view_.SelectedRows())
    if (row < rows_.size()) rows.push_back(row);
  return rows;
}

int PortSettings::ChipPortOfRow(size_t row) const {
  return row < rows_.size() ? ChipPortOfCaption(Layout(), rows_[row].caption) : -1;
}

RowRule PortSettings::RuleOf(size_t row, const PortSettingItem& item) const {
  const PortSettingsRow& r = rows_.at(row);
  if (TrunkLocked(r)) return RowRule::kTrunkMember;
  if (item.column == PortColumn::kFlow && FullDuplex(r.Cell(PortColumn::kSpeed)) == false)
    return RowRule::kHalfDuplex;
  if (IsFullGigabitItem(item) && !IsGigaPortCaption(r.caption)) return RowRule::kNotGigabit;
  return RowRule::kTakes;
}

// Switched off, the port would carry no more management frames: the switch could not be reached
// again until it is powered off and on.
Outcome PortSettings::ManagementCheck(size_t row, const PortSettingItem& item, ManagementPortRule rule) {
  if (rule == ManagementPortRule::kAllow || !SwitchesOff(item)) return Outcome::kDone;
  const int p = ChipPortOfRow(row);
  switch (p < 0 ? 0 : transport_.discovery.IsManagementPort(static_cast<uint8_t>(p))) {
    case -1:
      return Outcome::kSwitchLost;
    case 1:
      prompter_.Refuse(Message(MessageId::kManagementPortCannotClose));
      return Outcome::kRefused;
    default:
      return Outcome::kDone;
  }
}

// The column is not written ahead of the refill: should the refill's connection check fail, the
// list must not show a setting the chip may never have taken.
Outcome PortSettings::ApplyToRows(const PortSettingItem& item, const std::vector<size_t>& rows,
                                  ManagementPortRule rule) {
  RegisterBatch batch(transport_.engine);
  for (int q = 0; q < Layout().PortSlots(); ++q) batch.Queue(FieldRegister(item.field, q));
  // Written back with one port's field changed; it also tells which rows already hold the item.
  batch.Transmit(BatchReads::kConfirmed);
  Outcome outcome = Outcome::kDone;
  std::vector<size_t> written;
  for (size_t row : rows) {
    if (SettingText(item.column, DecodePort(batch.Values(), ChipPortOfRow(row))) == item.text) continue;
    if (RuleOf(row, item) != RowRule::kTakes) {
      outcome = Worse(outcome, Outcome::kRefused);
      continue;
    }
    const Outcome allowed = ManagementCheck(row, item, rule);
    // Not knowing where the management path runs, nothing is written at all.
    if (allowed == Outcome::kSwitchLost) return allowed;
    const int p = ChipPortOfRow(row);
    if (allowed != Outcome::kDone || p < 0) {
      outcome = Worse(outcome, allowed);
      continue;
    }
    const int shift = FieldShift(item.field, p);
    if (batch.SetBits(FieldRegister(item.field, p), uint32_t{item.mask} << shift,
                      uint32_t{item.value} << shift))
      written.push_back(row);
    else
      outcome = Worse(outcome, Outcome::kNoAnswer);
  }
  batch.Flush();
  // A set is never acknowledged: only the refilled list shows that it took.
  return ReadBack(transport_.engine, [&] {
    if (FillPortSettings() == Outcome::kSwitchLost) return Outcome::kSwitchLost;
    Outcome checked = outcome;
    for (size_t row : written) {
      const std::string& shown = rows_[row].Cell(item.column);
      if (shown != item.text)
        checked = Worse(checked, shown == kUnknownText ? Outcome::kNoAnswer : Outcome::kNotVerified);
    }
    return checked;
  });
}

Outcome PortSettings::SettingClick(const PortSettingItem& item, ManagementPortRule rule) {
  return ApplyToRows(item, SelectedRows(), rule);
}

Outcome PortSettings::AdvertisedSpeed1000MFullClick() {
  for (size_t row : SelectedRows()) {
    if (RuleOf(row, kFullGigabitItem) != RowRule::kTakes) continue;
    if (rows_[row].Cell(PortColumn::kSpeed) == kFullGigabitText) return Outcome::kDone;
    return ApplyToRows(kFullGigabitItem, {row}, ManagementPortRule::kRefuse);
  }
  return SelectedRows().empty() ? Outcome::kDone : Outcome::kRefused;
}

void PortSettings::TrunkingEnabledClick() {
  if (hooks_.trunkingEnabledClick) hooks_.trunkingEnabledClick();
}

void PortSettings::TrunkingDisabledClick() {
  if (hooks_.trunkingDisabledClick) hooks_.trunkingDisabledClick();
}

PortMenuState PortSettings::PopupMenu2Popup() const {
  PortMenuState state;
  state.enabled.fill(true);
  const std::vector<size_t> selected = SelectedRows();
  if (selected.empty()) {
    state.enabled.fill(false);
    return state;
  }
  // The enabling looks at the first selected row only; the handlers then ask every row.
  for (const PortSettingItem& item : PortSettingItems())
    if (RuleOf(selected.front(), item) != RowRule::kTakes)
      state.enabled[static_cast<size_t>(item.column)] = false;

  const std::optional<size_t> focused = view_.FocusedRow();
  const bool gigabit = focused && *focused < rows_.size() && IsGigaPortCaption(rows_[*focused].caption);
  state.fullGigabitVisible = gigabit;
  if (gigabit && connection_.State().modelCode != kModelG26A)
    state.enabled[static_cast<size_t>(PortColumn::kTrunk)] = false;
  return state;
}

void PortSettings::BRestartAutoNegClick() { transport_.access.SoftResetChip(); }

void PortSettings::SwitchConfigurationSheetShow() {
  if (!connection_.State().connected) return;
  connection_.SetUnsaved(true);
  if (hooks_.repaintSheet) hooks_.repaintSheet();
  if (hooks_.selectPortSettingsPage) hooks_.selectPortSettingsPage();
  PortConfigurationPageShow();
  if (hooks_.vlanPageShow) hooks_.vlanPageShow();
}

void PortSettings::SwitchConfigurationPageControlMouseDown() {
  if (hooks_.vlanPageActive && hooks_.vlanPageActive() && hooks_.revealVlanPage) hooks_.revealVlanPage();
}

}  // namespace velkor
