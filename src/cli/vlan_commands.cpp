#include <functional>
#include <map>

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/port_list.h"
#include "cli/vlan_page.h"
#include "device/message_table.h"

namespace velkor::cli {

namespace {

using Action = std::function<int(CommandContext&, CtlVlan&)>;

int Usage(CommandContext& c, const std::string& what) {
  c.err << "velkorctl: vlan: " << what << "\n";
  return kExitUsage;
}

int Refused(CommandContext& c, const std::string& why) {
  c.err << "velkorctl: " << why << "\n";
  return kExitRefused;
}

// PORTS as list rows; "none" is the empty list.
std::optional<std::vector<size_t>> Rows(CommandContext& c, CtlVlan& vlan, const std::string& text) {
  if (text == "none") return std::vector<size_t>{};
  std::string error;
  auto rows = ParsePortList(text, vlan.Layout(), error);
  if (!rows) c.err << "velkorctl: " << error << "\n";
  return rows;
}

uint32_t ChipPorts(const PortLayout& layout, const std::vector<size_t>& rows) {
  uint32_t mask = 0;
  for (size_t row : rows)
    if (const int p = layout.ChipPortOfRow(row); p >= 0) mask |= 1u << p;
  return mask;
}

std::optional<bool> OnOff(const std::string& text) {
  if (text == "on") return true;
  if (text == "off") return false;
  return std::nullopt;
}

// The command ended with outcome; on success it shows the VLAN settings as they now read.
int Finish(CommandContext& c, CtlVlan& vlan, Outcome outcome) {
  if (outcome != Outcome::kDone) return ExitCodeOf(outcome);
  if (const Outcome filled = vlan.Fill(); filled != Outcome::kDone) return ExitCodeOf(filled);
  c.out.Array(vlan.Records());
  return kExitOk;
}

int NeedMode(CommandContext& c, CtlVlan& vlan, VlanMode mode, const char* name) {
  if (vlan.Settings().Mode() == mode) return kExitOk;
  return Refused(c, std::string("this is set in ") + name + " mode (vlan mode " +
                        (mode == VlanMode::kDot1q ? "dot1q" : "port") + ")");
}

int Show(CommandContext& c, CtlVlan& vlan) { return Finish(c, vlan, Outcome::kDone); }

int Mode(CommandContext& c, CtlVlan& vlan) {
  static const std::map<std::string, VlanMode> kModes{
      {"off", VlanMode::kDisabled}, {"port", VlanMode::kPortBased}, {"dot1q", VlanMode::kDot1q}};
  const auto it = kModes.find(c.args.operands.at(1));
  if (it == kModes.end()) return Usage(c, "the mode is off, port or dot1q");
  return Finish(c, vlan, vlan.Settings().ApplyVlanMode(it->second));
}

int DropUntagged(CommandContext& c, CtlVlan& vlan) {
  const auto on = OnOff(c.args.operands.at(1));
  if (!on) return Usage(c, "drop-untagged on|off");
  if (const int e = NeedMode(c, vlan, VlanMode::kDot1q, "802.1Q")) return e;
  return Finish(c, vlan, vlan.Settings().SetDropUntagged(*on));
}

int Leaky(CommandContext& c, CtlVlan& vlan) {
  const std::string& which = c.args.operands.at(1);
  const auto on = c.args.operands.size() > 2 ? OnOff(c.args.operands[2]) : std::nullopt;
  if ((which != "unicast" && which != "arp") || !on) return Usage(c, "leaky unicast|arp on|off");
  if (!vlan.Settings().State().leakyShown) return Refused(c, "this model has no leaky options");
  const VlanMode mode = vlan.Settings().Mode();
  if (mode != VlanMode::kPortBased && mode != VlanMode::kDot1q)
    return Refused(c, "the leaky options need a VLAN mode (vlan mode port or dot1q)");
  return Finish(
      c, vlan, vlan.Settings().SetLeaky(which == "unicast" ? LeakyOption::kUnicast : LeakyOption::kArp, *on));
}

int Tag(CommandContext& c, CtlVlan& vlan) {
  static const std::map<std::string, TagRule> kRules{
      {"keep", TagRule::kKeep}, {"remove", TagRule::kRemove}, {"insert", TagRule::kInsert}};
  if (c.args.operands.size() < 3 || !kRules.count(c.args.operands[2]))
    return Usage(c, "tag PORTS keep|remove|insert");
  const auto rows = Rows(c, vlan, c.args.operands[1]);
  if (!rows || rows->empty()) return kExitUsage;
  if (const int e = NeedMode(c, vlan, VlanMode::kDot1q, "802.1Q")) return e;
  const TagRule rule = kRules.at(c.args.operands[2]);
  if (rule == TagRule::kInsert && !vlan.Settings().TagMenuPopup(true).insert)
    return Refused(
        c, "the insert rule is not offered here (untagged frames are dropped, or the model has none)");
  return Finish(c, vlan, vlan.Settings().SetTagRules(*rows, rule));
}

int ManagementVid(CommandContext& c, CtlVlan& vlan) {
  if (!vlan.Settings().State().managementVid) return Refused(c, "this switch offers no management VID");
  return Finish(c, vlan, vlan.Settings().SetManagementVid(c.args.operands.at(1)));
}

// A member dialog's "确定": a refusal has been shown and nothing is written.
template <class Dialog>
int Accept(CommandContext& c, Dialog& dialog) {
  return dialog.Accept(c.session.Prompts()) ? kExitOk : kExitRefused;
}

int Allow(CommandContext& c, CtlVlan& vlan) {
  if (c.args.operands.size() < 3) return Usage(c, "allow PORT PORTS");
  const auto own = Rows(c, vlan, c.args.operands[1]);
  const auto peers = Rows(c, vlan, c.args.operands[2]);
  if (!own || own->size() != 1 || !peers) return Usage(c, "allow takes one PORT");
  if (const int e = NeedMode(c, vlan, VlanMode::kPortBased, "port-based")) return e;
  Outcome outcome;
  auto dialog = vlan.PortBased().EditPortDialog(own->front(), outcome);
  if (!dialog) return ExitCodeOf(outcome);
  dialog->Boxes().CheckPorts(ChipPorts(vlan.Layout(), *peers));
  if (const int e = Accept(c, *dialog)) return e;
  return Finish(c, vlan, vlan.PortBased().ApplyEditPort(*dialog));
}

int AddGroup(CommandContext& c, CtlVlan& vlan) {
  const auto rows = Rows(c, vlan, c.args.operands.at(1));
  if (!rows) return kExitUsage;
  if (const int e = NeedMode(c, vlan, VlanMode::kPortBased, "port-based")) return e;
  Outcome outcome;
  auto dialog = vlan.PortBased().AddGroupDialog(outcome);
  if (!dialog) return ExitCodeOf(outcome);
  dialog->Boxes().CheckPorts(ChipPorts(vlan.Layout(), *rows));
  if (const int e = Accept(c, *dialog)) return e;
  return Finish(c, vlan, vlan.PortBased().ApplyAddGroup(*dialog));
}

int ClearTable(CommandContext& c, CtlVlan& vlan) {
  if (const int e = NeedMode(c, vlan, VlanMode::kPortBased, "port-based")) return e;
  return Finish(c, vlan, vlan.PortBased().ClearTable());
}

std::optional<size_t> GroupRow(CommandContext& c, const std::string& text) {
  const auto n = ParseNumber(text, 32);
  if (!n || *n < 1) {
    Usage(c, "a group is a number from 1 to 32");
    return std::nullopt;
  }
  return *n - 1;
}

int Group(CommandContext& c, CtlVlan& vlan) {
  const auto row = GroupRow(c, c.args.operands.at(1));
  if (!row) return kExitUsage;
  const auto vid = c.args.Value("vid");
  const auto ports = c.args.Value("ports");
  if (!vid && !ports) return Usage(c, "group N --vid VID --ports PORTS");
  std::optional<std::vector<size_t>> rows;
  if (ports && !(rows = Rows(c, vlan, *ports))) return kExitUsage;
  if (const int e = NeedMode(c, vlan, VlanMode::kDot1q, "802.1Q")) return e;
  Outcome outcome;
  auto dialog = vlan.Dot1q().EditGroupDialog(*row, outcome);
  if (!dialog) return ExitCodeOf(outcome);
  if (vid) dialog->vidText = *vid;
  if (rows) dialog->Boxes().CheckPorts(ChipPorts(vlan.Layout(), *rows));
  if (const int e = Accept(c, *dialog)) return e;
  return Finish(c, vlan, vlan.Dot1q().ApplyEditGroup(*row, *dialog));
}

int ClearGroup(CommandContext& c, CtlVlan& vlan) {
  const auto row = GroupRow(c, c.args.operands.at(1));
  if (!row) return kExitUsage;
  if (const int e = NeedMode(c, vlan, VlanMode::kDot1q, "802.1Q")) return e;
  if (*row == 0) {
    c.session.Prompts().ShowWithIcon(MessageKind::kError, MessageIcon::kWarning,
                                     Message(MessageId::kVlanGroupEmpty));
    return kExitRefused;
  }
  return Finish(c, vlan, vlan.Dot1q().ClearGroup(*row));
}

// Every port is checked before any is mapped: the chooser offers only the groups a port is in.
int Map(CommandContext& c, CtlVlan& vlan) {
  if (c.args.operands.size() < 3) return Usage(c, "map PORTS N");
  const auto rows = Rows(c, vlan, c.args.operands[1]);
  const auto group = GroupRow(c, c.args.operands[2]);
  if (!rows || rows->empty() || !group) return kExitUsage;
  if (const int e = NeedMode(c, vlan, VlanMode::kDot1q, "802.1Q")) return e;
  std::vector<GroupChooser> choosers;
  for (size_t row : *rows) {
    Outcome outcome;
    auto chooser = vlan.Dot1q().MapDialog(row, outcome);
    if (!chooser) return ExitCodeOf(outcome);
    const auto it = std::find(chooser->entries.begin(), chooser->entries.end(), static_cast<int>(*group));
    if (it == chooser->entries.end())
      return Refused(c, "port " + PanelName(vlan.Layout(), row) + " is not a member of group " +
                            std::to_string(*group + 1));
    chooser->selected = static_cast<size_t>(it - chooser->entries.begin());
    choosers.push_back(*chooser);
  }
  Outcome outcome = Outcome::kDone;
  for (size_t i = 0; i < rows->size() && outcome == Outcome::kDone; ++i)
    outcome = vlan.Dot1q().ApplyMap((*rows)[i], choosers[i]);
  return Finish(c, vlan, outcome);
}

struct Subcommand {
  size_t operands;  // at least, the subcommand's name included
  Action run;
};

int Vlan(CommandContext& c) {
  static const std::map<std::string, Subcommand> kSubcommands{
      {"mode", {2, Mode}},
      {"drop-untagged", {2, DropUntagged}},
      {"leaky", {3, Leaky}},
      {"tag", {3, Tag}},
      {"mgmt-vid", {2, ManagementVid}},
      {"allow", {3, Allow}},
      {"add-group", {2, AddGroup}},
      {"clear-table", {1, ClearTable}},
      {"group", {2, Group}},
      {"clear-group", {2, ClearGroup}},
      {"map", {3, Map}},
  };
  const Subcommand* sub = nullptr;
  if (!c.args.operands.empty()) {
    const auto it = kSubcommands.find(c.args.operands[0]);
    if (it == kSubcommands.end() || c.args.operands.size() < it->second.operands)
      return Usage(c, "unknown or incomplete: " + c.args.operands[0]);
    sub = &it->second;
  }
  if (const int e = c.session.Connect(c.args)) return e;
  CtlVlan vlan(c.session);
  if (const Outcome filled = vlan.Fill(sub ? BatchReads::kConfirmed : BatchReads::kShown);
      filled != Outcome::kDone) {
    if (filled == Outcome::kNoAnswer) return SwitchLost(c, "the VLAN registers");
    return ExitCodeOf(filled);
  }
  return sub ? sub->run(c, vlan) : Show(c, vlan);
}

}  // namespace

// The VLAN pages: the mode and options, the port-based table, the 802.1Q groups and mapping.
const std::vector<Command>& VlanCommands() {
  static const std::vector<Command> commands{
      {"vlan",
       "vlan [mode off|port|dot1q [--yes] | drop-untagged on|off | leaky unicast|arp on|off |\n"
       "        tag PORTS keep|remove|insert | mgmt-vid VID |\n"
       "        allow PORT PORTS | add-group PORTS | clear-table [--yes] |\n"
       "        group N [--vid VID] [--ports PORTS] | clear-group N | map PORTS N]"
       "  (PORTS may be none where a set may be empty)",
       0, 3, Vlan},
  };
  return commands;
}

}  // namespace velkor::cli
