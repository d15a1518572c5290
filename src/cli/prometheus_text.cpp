#include "cli/prometheus_text.h"

namespace velkor::cli {

namespace {

struct Family {
  const char* name;
  const char* help;
};
// By TrafficCounter.
constexpr Family kCounterFamilies[] = {
    {"velkor_port_rx_total", "What the port's receive counter counted, in the unit of the unit label."},
    {"velkor_port_tx_total", "What the port's transmit counter counted, in the unit of the unit label."},
    {"velkor_port_drop_total", "What the port's drop counter counted, in the unit of the unit label."},
};
constexpr Family kLinkFamily{"velkor_port_link_up", "1 while the port's link is up, 0 while it is down."};

void Header(std::string& text, const Family& family, const char* type) {
  text += std::string("# HELP ") + family.name + " " + family.help + "\n";
  text += std::string("# TYPE ") + family.name + " " + type + "\n";
}

std::string Labels(const SwitchLabels& labels, const PortMetrics& port) {
  return "switch=\"" + PrometheusLabelValue(labels.mac) + "\",model=\"" + PrometheusLabelValue(labels.model) +
         "\",port=\"" + PrometheusLabelValue(port.port) + "\",description=\"" +
         PrometheusLabelValue(port.description) + "\"";
}

}  // namespace

std::string PrometheusLabelValue(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '\\' || c == '"') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::string PrometheusText(const SwitchLabels& labels, const std::vector<PortMetrics>& ports) {
  std::string text;
  for (size_t i = 0; i < std::size(kCounterFamilies); ++i) {
    Header(text, kCounterFamilies[i], "counter");
    for (const PortMetrics& port : ports)
      if (port.counts[i])
        text += std::string(kCounterFamilies[i].name) + "{" + Labels(labels, port) + ",unit=\"" +
                PrometheusLabelValue(port.units[i]) + "\"} " + std::to_string(*port.counts[i]) + "\n";
  }
  Header(text, kLinkFamily, "gauge");
  for (const PortMetrics& port : ports)
    if (port.linkUp)
      text += std::string(kLinkFamily.name) + "{" + Labels(labels, port) + "} " + (*port.linkUp ? "1" : "0") +
              "\n";
  return text;
}

}  // namespace velkor::cli
