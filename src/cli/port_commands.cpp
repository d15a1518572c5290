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

// Prints rows; a cell the switch did not give shows "?", and the command then says so and ends
// as one the switch stopped answering.
int PrintRows(CommandContext& c, CtlPortPage& page, const std::vector<size_t>& rows) {
  std::vector<Record> records;
  bool known = true;
  for (size_t row : rows) {
    records.push_back(RowRecord(c.session.Identifier().Layout(), page.Settings(), row));
    known = known && page.Settings().Rows()[row].Known();
  }
  c.out.Array(records);
  return known ? kExitOk : SwitchLost(c, "the settings shown as ?");
}

// Connects and fills the page; the ports operand as list rows, or an exit code. A fill whose rows
// decide what is refused and what is written reads kConfirmed.
int Open(CommandContext& c, CtlPortPage& page, std::vector<size_t>& rows, BatchReads reads) {
  if (const int e = ConnectWithDescriptions(c)) return e;
  if (page.Settings().FillPortSettings(reads) == Outcome::kSwitchLost)
    return ExitCodeOf(Outcome::kSwitchLost);
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
  if (const int e = ConnectWithDescriptions(c)) return e;
  CtlPortPage page(c.session);
  if (page.Settings().FillPortSettings() == Outcome::kSwitchLost) return ExitCodeOf(Outcome::kSwitchLost);
  std::vector<size_t> all(page.Settings().Rows().size());
  for (size_t i = 0; i < all.size(); ++i) all[i] = i;
  return PrintRows(c, page, all);
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

// What the pop-up would not offer for these rows, checked before anything is written: trunk members
// are locked, "1000M Full" is for gigabit ports, and pause applies only to a full-duplex mode (the
// one this command sets, if it sets one).
int Refusal(CommandContext& c, CtlPortPage& page, const std::vector<size_t>& rows,
            const std::vector<Change>& changes) {
  const PortSettings& settings = page.Settings();
  const PortLayout& layout = settings.Layout();
  std::optional<std::string> speed;
  for (const Change& change : changes)
    if (change.column == PortColumn::kSpeed) speed = change.item.text;
  for (size_t row : rows) {
    // An unknown trunk state or mode would be refused for the wrong reason.
    if (!settings.Rows()[row].Known()) return SwitchLost(c, "the settings of port " + PanelName(layout, row));
    for (const Change& change : changes) {
      const RowRule rule = settings.RuleOf(row, change.item);
      if (rule == RowRule::kTrunkMember) {
        c.session.Prompts().Refuse(Message(MessageId::kTrunkMembersReset));
        return ExitCodeOf(Outcome::kRefused);
      }
      if (rule == RowRule::kNotGigabit) {
        c.err << "velkorctl: port " << PanelName(layout, row) << " is not a gigabit port\n";
        return kExitUsage;
      }
      const std::string& mode = speed ? *speed : settings.Rows()[row].Cell(PortColumn::kSpeed);
      if (change.column == PortColumn::kFlow && FullDuplex(mode) != true) {
        c.err << "velkorctl: port " << PanelName(layout, row) << " advertises no full-duplex mode\n";
        return kExitUsage;
      }
    }
  }
  return kExitOk;
}

// Switching off the port this computer reaches the switch through needs --force.
int ManagementRefusal(CommandContext& c, CtlPortPage& page, const std::vector<size_t>& rows,
                      const std::vector<Change>& changes) {
  if (c.args.Flag("force")) return kExitOk;
  for (const Change& change : changes) {
    for (size_t row : rows) {
      if (page.Settings().Rows()[row].Cell(change.column) == change.item.text) continue;
      const Outcome outcome = page.Settings().ManagementCheck(row, change.item, ManagementPortRule::kRefuse);
      if (outcome == Outcome::kSwitchLost) return SwitchLost(c, "the hello that tells the management port");
      if (outcome != Outcome::kDone) {
        c.err << "velkorctl: port " << PanelName(page.Settings().Layout(), row)
              << " carries this computer's management frames; --force switches it off anyway\n";
        return ExitCodeOf(outcome);
      }
    }
  }
  return kExitOk;
}

// The refusals are checked beforehand, the management port included.
Outcome Apply(CtlPortPage& page, const std::vector<size_t>& rows, const Change& change) {
  if (!IsFullGigabitItem(change.item)) {
    page.Select(rows);
    return page.Settings().SettingClick(change.item, ManagementPortRule::kAllow);
  }
  // "1000M Full" acts on one row at a time.
  for (size_t row : rows) {
    page.Select({row});
    if (const Outcome outcome = page.Settings().AdvertisedSpeed1000MFullClick(); outcome != Outcome::kDone)
      return outcome;
  }
  return Outcome::kDone;
}

// Says why a change did not end as done, and with which exit code.
int Failure(CommandContext& c, CtlPortPage& page, const std::vector<size_t>& rows, PortColumn column,
            const std::string& expected, Outcome outcome) {
  if (outcome == Outcome::kNoAnswer) return SwitchLost(c, "some of the ports' registers");
  for (size_t row : rows) {
    const std::string& shown = page.Settings().Rows()[row].Cell(column);
    if (outcome != Outcome::kNotVerified || shown == expected) continue;
    c.err << "velkorctl: port " << PanelName(page.Settings().Layout(), row) << ": " << ColumnCaption(column)
          << " reads back " << shown << ", not " << expected << "\n";
  }
  return ExitCodeOf(outcome);
}

int PortSet(CommandContext& c) {
  const auto changes = ParseChanges(c);
  if (!changes) return kExitUsage;
  CtlPortPage page(c.session);
  std::vector<size_t> rows;
  if (const int e = Open(c, page, rows, BatchReads::kConfirmed)) return e;
  if (const int e = Refusal(c, page, rows, *changes)) return e;
  if (const int e = ManagementRefusal(c, page, rows, *changes)) return e;
  for (const Change& change : *changes) {
    const Outcome outcome = Apply(page, rows, change);
    if (outcome != Outcome::kDone) return Failure(c, page, rows, change.column, change.item.text, outcome);
  }
  return PrintRows(c, page, rows);
}

int PortDescribe(CommandContext& c) {
  const std::string& text = c.args.operands[1];
  if (!MakePortDescriptionRecord(text)) {
    c.err << "velkorctl: a port description takes at most 8 GBK bytes (4 Chinese characters)\n";
    return kExitUsage;
  }
  CtlPortPage page(c.session);
  std::vector<size_t> rows;
  if (const int e = Open(c, page, rows, BatchReads::kShown)) return e;
  const PortLayout& layout = page.Settings().Layout();
  for (size_t row : rows) {
    if (row < static_cast<size_t>(layout.FeCount())) continue;
    c.err << "velkorctl: port " << PanelName(layout, row) << " has no description\n";
    return kExitUsage;
  }
  page.Select(rows);
  page.SetDescriptionText(text);
  const Outcome outcome = page.Descriptions().N1Click();
  if (outcome != Outcome::kDone) return Failure(c, page, rows, PortColumn::kDescription, text, outcome);
  return PrintRows(c, page, rows);
}

}  // namespace

// Commands on port settings and descriptions: ports, port-set, port-describe.
const std::vector<Command>& PortCommands() {
  static const std::vector<Command> commands{
      {"ports", "ports", 0, 0, Ports},
      {"port-set",
       "port-set PORTS [--state on|off|up|down [--force]] [--rx LIMIT] [--tx LIMIT] [--speed MODE] [--flow "
       "on|off]"
       "  (LIMIT: none, 128k ... 8m or the page's \"2 Mbps\"; MODE: 10half, 10full, 100half, 100full, "
       "1000full; --force switches off even the port this computer reaches the switch through)",
       1, 1, PortSet},
      {"port-describe", "port-describe PORTS TEXT  (at most 8 GBK bytes)", 2, 2, PortDescribe},
  };
  return commands;
}

}  // namespace velkor::cli
