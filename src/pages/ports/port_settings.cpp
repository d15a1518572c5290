#include "pages/ports/port_settings.h"

#include "device/gbk_text.h"
#include "device/message_table.h"
#include "device/model.h"
#include "device/port_captions.h"
#include "pages/ports/port_settings_batch.h"
#include "pages/ports/trunk_groups.h"

namespace velkor {

namespace {

constexpr PortField kFields[] = {PortField::kPortOff, PortField::kBandwidth, PortField::kAdvertisement};
constexpr PortColumn kSettingColumns[] = {PortColumn::kSwitch, PortColumn::kRx, PortColumn::kTx,
                                          PortColumn::kSpeed, PortColumn::kFlow};

std::optional<uint32_t> PortBits(const RegisterBatch& batch, PortField field, int chipPort, uint32_t mask) {
  const auto value = batch.Value(FieldRegister(field, chipPort));
  if (!value) return std::nullopt;
  return (*value >> FieldShift(field, chipPort)) & mask;
}

PortRegisters DecodePort(const RegisterBatch& batch, int chipPort) {
  PortRegisters regs;
  if (chipPort < 0) return regs;
  if (const auto off = PortBits(batch, PortField::kPortOff, chipPort, 0x01)) regs.off = *off != 0;
  if (const auto b = PortBits(batch, PortField::kBandwidth, chipPort, 0xFF))
    regs.bandwidth = static_cast<uint8_t>(*b);
  if (const auto a = PortBits(batch, PortField::kAdvertisement, chipPort, 0xFF))
    regs.advertisement = static_cast<uint8_t>(*a);
  return regs;
}

bool IsGigabitCaption(const std::string& caption) { return caption == "G1" || caption == "G2"; }

}  // namespace

const std::string& PortSettingsRow::Cell(PortColumn column) const {
  static const std::string kNoCell;
  const auto i = static_cast<size_t>(column);
  return i < cells.size() ? cells[i] : kNoCell;
}

std::vector<PortSettingsRow> PortSettings::ReadRows() {
  const PortLayout& layout = Layout();
  RegisterBatch batch(transport_.engine);
  for (int q = 0; q < layout.PortSlots(); ++q)
    for (PortField field : kFields) batch.Queue(FieldRegister(field, q));
  batch.Queue(kTrunkEnableRegister);
  batch.Transmit();

  std::optional<uint16_t> trunkEnable;
  if (const auto v = batch.Value(kTrunkEnableRegister)) trunkEnable = static_cast<uint16_t>(*v);
  const int modelCode = connection_.State().modelCode;
  const auto feRows = static_cast<size_t>(layout.FeCount());

  std::vector<PortSettingsRow> rows;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    const bool gigabit = row >= feRows;
    const PortRegisters regs = DecodePort(batch, p);
    PortSettingsRow r{
        RowCaption(layout, row),
        {SwitchText(regs.off), RxText(regs.bandwidth), TxText(regs.bandwidth), SpeedText(regs.advertisement),
         FlowText(regs.advertisement), TrunkText(modelCode, p, gigabit, trunkEnable)}};
    if (!gigabit && row < kPortDescriptionSlots) r.cells.push_back(GbkToUtf8(transport_.cache.ports[row]));
    rows.push_back(std::move(r));
  }
  return rows;
}

bool PortSettings::FillPortSettings() {
  view_.Repaint();
  if (!connection_.CheckConnection()) return false;
  rows_ = ReadRows();
  view_.SetRows(rows_);
  view_.Repaint();
  return true;
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

// The column is not written ahead of the refill: should the refill's connection check fail, the
// list must not show a setting the chip may never have taken.
void PortSettings::ApplyToRows(const PortSettingItem& item, const std::vector<size_t>& rows) {
  RegisterBatch batch(transport_.engine);
  for (int q = 0; q < Layout().PortSlots(); ++q) batch.Queue(FieldRegister(item.field, q));
  batch.Transmit();
  for (size_t row : rows) {
    if (rows_[row].Cell(item.column) == item.text) continue;
    const int p = ChipPortOfRow(row);
    if (p < 0) continue;
    const int shift = FieldShift(item.field, p);
    batch.SetBits(FieldRegister(item.field, p), uint32_t{item.mask} << shift, uint32_t{item.value} << shift);
  }
  batch.Flush();
}

void PortSettings::SettingClick(const PortSettingItem& item) {
  ApplyToRows(item, SelectedRows());
  FillPortSettings();
}

void PortSettings::AdvertisedSpeed1000MFullClick() {
  const std::vector<size_t> selected = SelectedRows();
  if (selected.empty() || rows_[selected.front()].Cell(PortColumn::kSpeed) == kFullGigabitText) return;
  ApplyToRows(kFullGigabitItem, {selected.front()});
  FillPortSettings();
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
  const PortSettingsRow& first = rows_[selected.front()];
  const std::string& trunk = first.Cell(PortColumn::kTrunk);
  // Members of an enabled group keep the settings the group gave them.
  if (trunk != Message(MessageId::kDisabled) && trunk != kNoneText)
    for (PortColumn column : kSettingColumns) state.enabled[static_cast<size_t>(column)] = false;
  const std::string& speed = first.Cell(PortColumn::kSpeed);
  if (speed == "100M Half" || speed == "10M Half")
    state.enabled[static_cast<size_t>(PortColumn::kFlow)] = false;

  const std::optional<size_t> focused = view_.FocusedRow();
  const bool gigabit = focused && *focused < rows_.size() && IsGigabitCaption(rows_[*focused].caption);
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
