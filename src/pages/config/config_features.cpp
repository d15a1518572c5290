// The switch-wide features of a configuration: QoS, port mirroring and the global controls.

#include "pages/config/config_sections.h"
#include "pages/switch/global_settings.h"
#include "pages/switch/mirroring.h"
#include "pages/switch/qos.h"

namespace velkor {

namespace {

std::string SourceName(std::optional<PrioritySource> source) {
  if (!source) return "conflict";
  switch (*source) {
    case PrioritySource::kPort:
      return "port";
    case PrioritySource::kDiffServ:
      return "diffserv";
    case PrioritySource::kDot1p:
      break;
  }
  return "802.1p";
}

std::string RatioName(QosRatio ratio) {
  switch (ratio) {
    case QosRatio::k4To1:
      return "4:1";
    case QosRatio::k8To1:
      return "8:1";
    case QosRatio::k16To1:
      return "16:1";
    case QosRatio::kStrict:
      break;
  }
  return "strict";
}

struct Named {
  const char* name;
  GlobalControl control;
};
// Loop detection lives in a register the configuration block does not hold.
constexpr Named kStoredControls[] = {{"broadcast_control", GlobalControl::kBroadcastControl},
                                     {"multicast_control", GlobalControl::kMulticastControl},
                                     {"storm_filter", GlobalControl::kStormFilter},
                                     {"igmp_snooping", GlobalControl::kIgmpSnooping}};

struct NamedRole {
  const char* name;
  MirrorRole role;
};
constexpr NamedRole kRoles[] = {
    {"mirror", MirrorRole::kMirror}, {"rx", MirrorRole::kReceive}, {"tx", MirrorRole::kTransmit}};

}  // namespace

void AddQosSettings(std::vector<NamedSetting>& settings, const RegisterValues& values,
                    const ConfigOwner& owner) {
  const uint32_t control = values(kQosControlRegister).value_or(0);
  const auto source = PrioritySourceOf(control);
  settings.push_back({"qos.source", SourceName(source)});
  settings.push_back({"qos.ratio", RatioName(QosRatioOf(control))});
  // Port priorities count only while the port is the source, as only then the page shows them.
  if (source != PrioritySource::kPort) return;
  const PortLayout& layout = owner.layout;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const auto high = PortBitOf(values, kPortPriorityPair, layout.ChipPortOfRow(row));
    settings.push_back(
        {PortKey("qos.port", layout, row) + ".priority", high.value_or(false) ? "high" : "low"});
  }
}

void AddMirrorSettings(std::vector<NamedSetting>& settings, const RegisterValues& values,
                       const ConfigOwner& owner) {
  const PortLayout& layout = owner.layout;
  for (size_t row = 0; row < layout.RowCount(); ++row) {
    const int p = layout.ChipPortOfRow(row);
    const std::string key = PortKey("mirror.port", layout, row) + ".";
    for (const NamedRole& r : kRoles)
      if (const auto on = PortBitOf(values, MirrorPairOf(r.role), p))
        settings.push_back({key + r.name, OnOff(*on)});
  }
}

void AddGlobalSettings(std::vector<NamedSetting>& settings, const RegisterValues& values) {
  for (const Named& n : kStoredControls)
    if (const auto on = GlobalControlOf(n.control, values))
      settings.push_back({std::string("global.") + n.name, OnOff(*on)});
}

}  // namespace velkor
