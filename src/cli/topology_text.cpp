#include "cli/topology_text.h"

#include "cli/output.h"
#include "device/message_table.h"
#include "device/model.h"

namespace velkor::cli {

namespace {

std::string ModelWord(int code) {
  const std::string_view name = ModelName(code);
  return name == Message(MessageId::kUnknown) ? "unknown" : std::string(name);
}

// Why a switch with an upstream stands at the top.
std::string TopNote(const CascadeNode& node) {
  if (node.loopCut) return "its upstream chain loops back to it";
  if (node.upstreamMissing)
    return "upstream " + node.upstreamMacText + " port " + std::to_string(node.upstreamPort) +
           " did not answer";
  return {};
}

void TextOf(const Discovery& discovery, const Cascade& cascade, size_t i, size_t depth, std::string& text) {
  const CascadeNode& node = cascade.nodes[i];
  text += std::string(2 * depth, ' ');
  if (node.parent) text += "port " + std::to_string(node.upstreamPort) + ": ";
  text += discovery.Switch(i)->macText + " " + ModelWord(discovery.ModelCode(i)) +
          " (this computer on port " + std::to_string(node.localPort) + ")";
  if (const std::string note = TopNote(node); !note.empty()) text += ", " + note;
  text += "\n";
  for (size_t child : node.children) TextOf(discovery, cascade, child, depth + 1, text);
}

void JsonOf(const Discovery& discovery, const Cascade& cascade, size_t i, std::string& json) {
  const CascadeNode& node = cascade.nodes[i];
  json += "{\"mac\": " + JsonString(discovery.Switch(i)->macText) +
          ", \"model\": " + JsonString(ModelWord(discovery.ModelCode(i))) +
          ", \"model_code\": " + std::to_string(discovery.ModelCode(i)) +
          ", \"local_port\": " + std::to_string(node.localPort);
  if (node.parent) json += ", \"port\": " + std::to_string(node.upstreamPort);
  if (const std::string note = TopNote(node); !note.empty()) json += ", \"note\": " + JsonString(note);
  json += ", \"children\": [";
  for (size_t c = 0; c < node.children.size(); ++c) {
    if (c) json += ", ";
    JsonOf(discovery, cascade, node.children[c], json);
  }
  json += "]}";
}

}  // namespace

std::string TopologyText(const Discovery& discovery, const Cascade& cascade) {
  std::string text;
  for (size_t root : cascade.roots) TextOf(discovery, cascade, root, 0, text);
  return text;
}

std::string TopologyJson(const Discovery& discovery, const Cascade& cascade) {
  std::string json = "[";
  for (size_t r = 0; r < cascade.roots.size(); ++r) {
    if (r) json += ",\n ";
    JsonOf(discovery, cascade, cascade.roots[r], json);
  }
  return json + "]\n";
}

}  // namespace velkor::cli
