#include "app/shell.h"

#include "device/cascade.h"
#include "device/gbk_text.h"
#include "device/message_table.h"
#include "device/model.h"

namespace velkor {

namespace {
const std::vector<Sheet> kSwitchSheets{Sheet::kSwitchStatus, Sheet::kSwitchConfiguration, Sheet::kSystem};
}

Shell::Shell(TransportSession& transport, Prompter& prompter, ConnectDialog& dialog, ProgressUi& progress,
             BusyIndicator& busy, ShellView& view, std::function<void()> onListingFailure)
    : transport_(transport),
      prompter_(prompter),
      view_(view),
      onListingFailure_(std::move(onListingFailure)),
      identifier_(transport.discovery, transport.link, transport.engine, transport.access),
      connection_(transport, identifier_, prompter, dialog, progress, busy, *this) {
  transport_.discovery.SetLostSwitchHandler(
      [this] { connection_.SwitchLost(MessageId::kSwitchInfoReadError); });
}

void Shell::Start() {
  if (transport_.link.EnumerateAdapters() != 0) return onListingFailure_();
  FillAdapterSelector();
  for (Sheet s : kSwitchSheets) view_.SetSheetVisible(s, false);
  transport_.link.CloseChannels();
  const unsigned count = transport_.link.AdapterCount();
  if (count == 0) return;
  view_.SelectAdapterLine(0);
  view_.EnableAdapterSelector(count > 1);
  view_.EnableRefresh(true);
  SelectAdapter();
}

void Shell::FillAdapterSelector() {
  const Link& link = transport_.link;
  if (link.AdapterCount() == 0) {
    prompter_.Error(Message(MessageId::kNoNetworkInterface));
    return;
  }
  std::vector<std::string> lines;
  for (unsigned i = 0; i < link.AdapterCount(); ++i)
    lines.push_back(std::string(Message(MessageId::kIpAddress)) + "(" + *link.AdapterIpText(i) + ")   " +
                    std::string(Message(MessageId::kMacAddress)) + "(" + *link.AdapterMacText(i) + ")");
  view_.SetAdapterLines(lines);
}

bool Shell::AdapterPick() {
  if (transport_.link.EnumerateAdapters() != 0) {
    onListingFailure_();
    return false;
  }
  const int index = view_.AdapterSelection();
  if (index < 0) return false;
  if (transport_.link.OpenChannels(static_cast<unsigned>(index)) != 0) {
    prompter_.Error(Message(MessageId::kUnsupportedInterface));
    return false;
  }
  transport_.discovery.Discover();
  return true;
}

void Shell::ReturnToSwitchList() {
  view_.SetSheetVisible(Sheet::kNetwork, true);
  view_.ShowSwitchInformationPage();
  view_.ClearSwitchList();
  for (Sheet s : kSwitchSheets) view_.SetSheetVisible(s, false);
}

void Shell::PickAndList() {
  AdapterPick();
  // A failed open leaves the previous discovery's table, which is listed again.
  if (transport_.discovery.SwitchCount() > 0)
    FillSwitchList();
  else
    prompter_.Error(Message(MessageId::kNoSwitchDetected));
}

void Shell::SelectAdapter() {
  ReturnToSwitchList();
  PickAndList();
}

void Shell::OnRediscoverRequest() {
  if (transport_.link.AdapterCount() > 1) view_.EnableAdapterSelector(true);
  ReturnToSwitchList();
  PickAndList();
}

void Shell::RefreshClick() { SelectAdapter(); }

std::string Shell::ReadDescription(size_t index) {
  Discovery& discovery = transport_.discovery;
  discovery.Select(index);
  // Filtered to this switch, other traffic on a busy segment cannot end its reads early.
  if (transport_.link.SetRegisterFilter(discovery.SelectedMac()) != 0) return "";
  if (transport_.blocks.ReadSwitchDescription() != 0) return "";
  const std::span<const uint8_t, kSwitchDescriptionRead> text(transport_.cache.switchDescription.data(),
                                                              kSwitchDescriptionRead);
  connection_.Listed().Add(discovery.SelectedMac(), text, transport_.engine.GetClock().NowUs());
  return GbkToUtf8(text);
}

namespace {
// The cascade as the switch list's tooltip tells it.
std::string UpstreamText(const CascadeNode& node) {
  const std::string local = "（本机经端口" + std::to_string(node.localPort) + "连接）";
  if (!node.parent && !node.upstreamMissing && !node.loopCut) return "直接连接本机" + local;
  std::string text = "上级交换机 " + node.upstreamMacText + " 的端口" + std::to_string(node.upstreamPort);
  if (node.upstreamMissing) text += "（未应答）";
  return text + local;
}
}  // namespace

void Shell::FillSwitchList() {
  const Discovery& discovery = transport_.discovery;
  if (discovery.SwitchCount() == 0) return;
  const Cascade cascade = BuildCascade(discovery);
  connection_.Listed().Clear();
  std::vector<SwitchRow> rows;
  for (size_t i = 0; i < discovery.SwitchCount(); ++i)
    rows.push_back({std::string(ModelName(discovery.ModelCode(i))), discovery.Switch(i)->macText,
                    ReadDescription(i), UpstreamText(cascade.nodes[i])});
  view_.SetSwitchRows(rows);
}

bool Shell::ConnectMenuEnabled(int row) const {
  return row >= 0 && static_cast<size_t>(row) < transport_.discovery.SwitchCount() &&
         ModelName(transport_.discovery.ModelCode(static_cast<size_t>(row))) != Message(MessageId::kUnknown);
}

// A switch that could not be identified may have gone: the list is discovered afresh.
void Shell::Connect(int row) {
  if (connection_.ConnectToSwitch(row).outcome != Outcome::kNoAnswer) return;
  view_.ClearSwitchList();
  PickAndList();
}

void Shell::SwitchListDoubleClick(int row) {
  if (row >= 0) Connect(row);
}

void Shell::ConnectMenuClick(int row) { Connect(row); }

void Shell::NetworkSheetShow() {
  if (!connection_.State().connected) view_.ShowSwitchInformationPage();
}

void Shell::Connected(int modelCode, const std::string& macText, const PortLayout& layout) {
  view_.SetConnectedLabel(std::string(ModelName(modelCode)) + "     " +
                          std::string(Message(MessageId::kMacAddress)) + ": " + macText);
  for (Page* page : pages_) page->Connected(layout, modelCode);
  for (Sheet s : kSwitchSheets) view_.SetSheetVisible(s, true);
  view_.SetSheetVisible(Sheet::kNetwork, false);
  view_.ShowStatisticsPage();
  view_.EnableAdapterSelector(false);
}

void Shell::Lost() {
  for (Page* page : pages_) page->Disconnected();
}

void Shell::Disconnected() {
  for (Page* page : pages_) page->Disconnected();
  for (Sheet s : kSwitchSheets) view_.SetSheetVisible(s, false);
  view_.SetConnectedLabel(std::string(Message(MessageId::kNotConnected)));
  view_.PostRediscoverRequest();
}

void Shell::Fatal() { view_.PostCloseRequest(); }

Outcome Shell::SaveRequested() { return save_ ? save_() : ConnectionEvents::SaveRequested(); }

std::optional<bool> Shell::SettingsUnsaved() {
  return unsavedCheck_ ? unsavedCheck_() : ConnectionEvents::SettingsUnsaved();
}

}  // namespace velkor
