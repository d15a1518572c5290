#include <map>

#include "cli/exit_codes.h"
#include "cli/feature_commands.h"
#include "cli/port_list.h"
#include "pages/switch/qos.h"

namespace velkor::cli {

namespace {

const std::map<std::string, PrioritySource> kSources{{"port", PrioritySource::kPort},
                                                     {"802.1p", PrioritySource::kDot1p},
                                                     {"diffserv", PrioritySource::kDiffServ}};
const std::map<std::string, QosRatio> kRatios{{"4:1", QosRatio::k4To1},
                                              {"8:1", QosRatio::k8To1},
                                              {"16:1", QosRatio::k16To1},
                                              {"strict", QosRatio::kStrict}};

template <class Value>
std::string NameOf(const std::map<std::string, Value>& names, const std::optional<Value>& value) {
  for (const auto& [name, v] : names)
    if (value && v == *value) return name;
  return "?";
}

std::vector<Record> Records(const Qos& qos, const PortLayout& layout) {
  const QosState& s = qos.State();
  std::vector<Record> records{
      {{"kind", "qos"}, {"source", NameOf(kSources, s.source)}, {"ratio", NameOf(kRatios, s.ratio)}}};
  for (size_t row = 0; row < s.rows.size(); ++row) {
    const auto& high = s.rows[row].set;
    records.push_back({{"kind", "port"},
                       {"port", PanelName(layout, row)},
                       {"priority", high ? (*high ? "high" : "low") : "?"}});
  }
  return records;
}

// Connects and fills the page; kExitOk and the page, or the exit code.
int Open(CommandContext& c, Qos& qos) {
  if (const int e = c.session.Connect(c.args)) return e;
  const Outcome filled = qos.Fill();
  if (filled == Outcome::kNoAnswer) return SwitchLost(c, "the QoS registers");
  return ExitCodeOf(filled);
}

int Show(CommandContext& c, const Qos& qos) {
  c.out.Array(Records(qos, c.session.Identifier().Layout()));
  return kExitOk;
}

int QosCommand(CommandContext& c) {
  const auto sourceText = c.args.Value("source");
  const auto ratioText = c.args.Value("ratio");
  if ((sourceText && !kSources.count(*sourceText)) || (ratioText && !kRatios.count(*ratioText)))
    return FeatureUsage(c, "[--source port|802.1p|diffserv] [--ratio 4:1|8:1|16:1|strict]");
  FeatureContext context = FeaturesOf(c.session);
  Qos qos(context);
  if (const int e = Open(c, qos)) return e;
  if (sourceText)
    if (const Outcome o = qos.SetSource(kSources.at(*sourceText)); o != Outcome::kDone) return ExitCodeOf(o);
  if (ratioText)
    if (const Outcome o = qos.SetRatio(kRatios.at(*ratioText)); o != Outcome::kDone) return ExitCodeOf(o);
  return Show(c, qos);
}

int QosPortCommand(CommandContext& c) {
  const std::string& level = c.args.operands.at(1);
  if (level != "high" && level != "low") return FeatureUsage(c, "PORTS high|low");
  FeatureContext context = FeaturesOf(c.session);
  Qos qos(context);
  if (const int e = Open(c, qos)) return e;
  const auto rows = PortRows(c, c.args.operands[0]);
  if (!rows) return kExitUsage;
  if (!qos.State().listEnabled) {
    c.err << "velkorctl: port priorities are set only with port-based priority (qos --source port)\n";
    return kExitRefused;
  }
  if (const Outcome o = qos.SetPortPriority(*rows, level == "high"); o != Outcome::kDone)
    return ExitCodeOf(o);
  return Show(c, qos);
}

}  // namespace

// The page "QoS设置": priority source, high/low ratio and port priorities.
const std::vector<Command>& QosCommands() {
  static const std::vector<Command> commands{
      {"qos", "qos [--source port|802.1p|diffserv] [--ratio 4:1|8:1|16:1|strict]", 0, 0, QosCommand},
      {"qos-port", "qos-port PORTS high|low", 2, 2, QosPortCommand},
  };
  return commands;
}

}  // namespace velkor::cli
