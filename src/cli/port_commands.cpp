#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/port_list.h"
#include "cli/port_page.h"
#include "device/message_table.h"

namespace velkor::cli {

namespace {

// The option of each setting column, in the order changes are made: the speed before the flow
// control that depends on it.
struct SettingOption {
  const char* name;
  PortColumn column;
};
constexpr SettingOption kOptions[] = {
    {"state", PortColumn::kSwitch}, {"rx", PortColumn::kRx},     {"tx", PortColumn::kTx},
    {"speed", PortColumn::kSpeed},  {"flow", PortColumn::kFlow},
};

struct Change {
  PortColumn column;
  PortSettingItem item;
};

Record RowRecord(const PortLayout& layout, const PortSettings& page, size_t row) {
  const PortSettingsRow& r = page.Rows()[row];
  return {{"port", PanelName(layout, row)},
          {"chip_port", int64_t{page.ChipPortOfRow(row)}},
          {"state", r.Cell(PortColumn::kSwitch)},
          {"rx", r.Cell(PortColumn::kRx)},
          {"tx", r.Cell(PortColumn::kTx)},
          {"speed", r.Cell(PortColumn::kSpeed)},
          {"flow", r.Cell(PortColumn::kFlow)},
          {"trunk", r.Cell(PortColumn::kTrunk)},
          {"description", r.Cell(PortColumn::kDescription)}};
}

void PrintRows(CommandContext& c, CtlPortPage& page, const std::vector<size_t>& rows) {
  std::vector<Record> records;
  for (size_t row : rows) records.push_back(RowRecord(c.session.Identifier().Layout(), page.Settings(), row));
  c.out.Array(records);
}

// Connects and fills the page; the ports operand as list rows, or an exit code.
int Open(CommandContext& c, CtlPortPage& page, std::vector<size_t>& rows) {
  if (const int e = c.session.Connect(c.args)) return e;
  if (!page.Settings().FillPortSettings()) return kExitSwitchLost;
  std::string error;
  const auto parsed = ParsePortList(c.args.operands[0], c.session.Identifier().Layout(), error);
  if (!parsed) {
    c.err << "velkorctl: " << error << "\n";
    return kExitUsage;
  }
  rows = *parsed;
  return kExitOk;
}

int Ports(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  CtlPortPage page(c.session);
  if (!page.Settings().FillPortSettings()) return kExitSwitchLost;
  std::vector<size_t> all(page.Settings().Rows().size());
  for (size_t i = 0; i < all.size(); ++i) all[i] = i;
  PrintRows(c, page, all);
  return kExitOk;
}

std::optional<std::vector<Change>> ParseChanges(CommandContext& c) {
  std::vector<Change> changes;
  for (const SettingOption& option : kOptions) {
    const auto value = c.args.Value(option.name);
    if (!value) continue;
    const auto item = ParseSettingValue(option.column, *value);
    if (!item) {
      c.err << "velkorctl: --" << option.name << " cannot be " << *value << "\n";
      return std::nullopt;
    }
    changes.push_back({option.column, *item});
  }
  if (changes.empty()) c.err << "velkorctl: name a change: --state, --rx, --tx, --speed or --flow\n";
  return changes.empty() ? std::nullopt : std::optional(changes);
}

// What the pop-up would not offer for these rows: trunk members are locked, "1000M Full" is for
// gigabit ports, and pause applies only to a full-duplex mode.
int Refusal(CommandContext& c, CtlPortPage& page, const std::vector<size_t>& rows,
            const std::vector<Change>& changes) {
  const PortSettings& settings = page.Settings();
  const PortLayout& layout = settings.Layout();
  std::optional<std::string> speed;
  for (const Change& change : changes)
    if (change.column == PortColumn::kSpeed) speed = change.item.text;
  const bool flow =
      std::any_of(changes.begin(), changes.end(), [](auto& ch) { return ch.column == PortColumn::kFlow; });
  for (size_t row : rows) {
    const PortSettingsRow& r = settings.Rows()[row];
    const std::string& trunk = r.Cell(PortColumn::kTrunk);
    if (trunk != Message(MessageId::kDisabled) && trunk != kNoneText) {
      c.session.Prompts().Refuse(Message(MessageId::kTrunkMembersReset));
      return kExitFailure;
    }
    if (speed == kFullGigabitText && row < static_cast<size_t>(layout.FeCount())) {
      c.err << "velkorctl: port " << PanelName(layout, row) << " is not a gigabit port\n";
      return kExitUsage;
    }
    if (flow && !IsFullDuplexText(speed.value_or(r.Cell(PortColumn::kSpeed)))) {
      c.err << "velkorctl: port " << PanelName(layout, row) << " advertises no full-duplex mode\n";
      return kExitUsage;
    }
  }
  return kExitOk;
}

void Apply(CtlPortPage& page, const std::vector<size_t>& rows, const Change& change) {
  if (change.item.handler != kFullGigabitItem.handler) {
    page.Select(rows);
    page.Settings().SettingClick(change.item);
    return;
  }
  // "1000M Full" acts on one row at a time.
  for (size_t row : rows) {
    page.Select({row});
    page.Settings().AdvertisedSpeed1000MFullClick();
  }
}

// A set is never acknowledged: only the refilled list, read from the chip, shows that it took.
int Verify(CommandContext& c, CtlPortPage& page, const std::vector<size_t>& rows, PortColumn column,
           const std::string& expected) {
  if (!c.session.GetConnection().State().connected) return kExitSwitchLost;
  for (size_t row : rows) {
    const std::string& shown = page.Settings().Rows()[row].Cell(column);
    if (shown == expected) continue;
    c.err << "velkorctl: port " << PanelName(page.Settings().Layout(), row) << ": " << ColumnCaption(column)
          << " reads back " << shown << ", not " << expected << "\n";
    return kExitFailure;
  }
  return kExitOk;
}

int PortSet(CommandContext& c) {
  const auto changes = ParseChanges(c);
  if (!changes) return kExitUsage;
  CtlPortPage page(c.session);
  std::vector<size_t> rows;
  if (const int e = Open(c, page, rows)) return e;
  if (const int e = Refusal(c, page, rows, *changes)) return e;
  for (const Change& change : *changes) {
    Apply(page, rows, change);
    if (const int e = Verify(c, page, rows, change.column, change.item.text)) return e;
  }
  PrintRows(c, page, rows);
  return kExitOk;
}

int PortDescribe(CommandContext& c) {
  const std::string& text = c.args.operands[1];
  if (!MakePortDescriptionRecord(text)) {
    c.err << "velkorctl: a port description takes at most 8 GBK bytes (4 Chinese characters)\n";
    return kExitUsage;
  }
  CtlPortPage page(c.session);
  std::vector<size_t> rows;
  if (const int e = Open(c, page, rows)) return e;
  const PortLayout& layout = page.Settings().Layout();
  for (size_t row : rows) {
    if (row < static_cast<size_t>(layout.FeCount())) continue;
    c.err << "velkorctl: port " << PanelName(layout, row) << " has no description\n";
    return kExitUsage;
  }
  page.Select(rows);
  page.SetDescriptionText(text);
  page.Descriptions().N1Click();
  if (const int e = Verify(c, page, rows, PortColumn::kDescription, text)) return e;
  PrintRows(c, page, rows);
  return kExitOk;
}

}  // namespace

// Commands on port settings and descriptions: ports, port-set, port-describe.
const std::vector<Command>& PortCommands() {
  static const std::vector<Command> commands{
      {"ports", "ports", 0, 0, Ports},
      {"port-set",
       "port-set PORTS [--state on|off] [--rx LIMIT] [--tx LIMIT] [--speed MODE] [--flow on|off]"
       "  (LIMIT: none, 128k ... 8m or the page's \"2 Mbps\"; MODE: 10half, 10full, 100half, 100full, "
       "1000full)",
       1, 1, PortSet},
      {"port-describe", "port-describe PORTS TEXT  (at most 8 GBK bytes)", 2, 2, PortDescribe},
  };
  return commands;
}

}  // namespace velkor::cli
