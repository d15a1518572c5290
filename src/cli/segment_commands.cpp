#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/topology_text.h"
#include "device/model.h"

namespace velkor::cli {

namespace {

int Adapters(CommandContext& c) {
  if (const int e = c.session.Enumerate()) return e;
  const Link& link = c.session.Transport().link;
  std::vector<Record> rows;
  for (unsigned i = 0; i < link.AdapterCount(); ++i) {
    const AdapterInfo& a = *link.Adapter(i);
    rows.push_back({{"name", a.name}, {"description", a.description}, {"mac", a.macText}, {"ip", a.ipText}});
  }
  c.out.Array(rows);
  return kExitOk;
}

int Discover(CommandContext& c) {
  if (const int e = c.session.OpenAdapter(c.args.iface)) return e;
  c.session.Discover();
  Discovery& discovery = c.session.Transport().discovery;
  std::vector<Record> rows;
  for (size_t i = 0; i < discovery.HelloRecordCount(); ++i) {
    const HelloRecord& h = *discovery.Hello(i);
    rows.push_back({{"mac", h.switchMacText},
                    {"model", std::string(ModelName(h.modelWord[2]))},
                    {"model_code", int64_t{h.modelWord[2]}},
                    {"port", int64_t{h.localPort}},
                    {"upstream", h.peerMacText},
                    {"upstream_port", int64_t{h.peerPort}}});
  }
  if (rows.empty()) {
    c.err << "velkorctl: no switch answered\n";
    return kExitNoSwitch;
  }
  c.out.Array(rows);
  return kExitOk;
}

// Who hangs behind which port of which switch, as the hello replies tell it.
int Topology(CommandContext& c) {
  if (const int e = c.session.OpenAdapter(c.args.iface)) return e;
  c.session.Discover();
  Discovery& discovery = c.session.Transport().discovery;
  if (discovery.SwitchCount() == 0) {
    c.err << "velkorctl: no switch answered\n";
    return kExitNoSwitch;
  }
  const Cascade cascade = BuildCascade(discovery);
  c.out.Raw(c.args.json ? TopologyJson(discovery, cascade) : TopologyText(discovery, cascade));
  return kExitOk;
}

}  // namespace

const std::vector<Command>& SegmentCommands() {
  static const std::vector<Command> commands{
      {"adapters", "adapters", 0, 0, Adapters},
      {"discover", "discover [--iface NAME]", 0, 0, Discover},
      {"topology", "topology [--iface NAME]  (ports are chip ports, as the hello replies give them)", 0, 0,
       Topology},
  };
  return commands;
}

}  // namespace velkor::cli
