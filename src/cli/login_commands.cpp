#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/port_list.h"
#include "device/identification_texts.h"
#include "device/model.h"

namespace velkor::cli {

namespace {

std::string TextOr(std::optional<std::string_view> text, uint8_t value) {
  return text ? std::string(*text) : "unknown (" + std::to_string(value) + ")";
}

// What identification learnt of a gigabit PHY, in plain words rather than the information page's.
std::string GigaPhyMeaning(uint8_t status) {
  switch (status) {
    case kGigaPhyAbsent:
      return "absent";
    case kGigaPhy1000:
      return "1000";
    case kGigaPhyNot1000:
      return "not 1000";
    default:
      return "not probed";
  }
}

// "1=0 2=1 … G1=24": each front-panel port and the chip port that serves it.
std::string PortMap(const PortLayout& layout) {
  std::string map;
  for (size_t row = 0; row < layout.RowCount(); ++row)
    map += (row ? " " : "") + PanelName(layout, row) + "=" + std::to_string(layout.ChipPortOfRow(row));
  return map;
}

int Info(CommandContext& c) {
  if (const int e = c.session.Connect(c.args)) return e;
  const SwitchIdentifier& id = c.session.Identifier();
  const PortLayout& layout = id.Layout();
  const int modelCode = c.session.GetConnection().State().modelCode;
  c.out.Object({{"model", std::string(ModelName(modelCode))},
                {"model_code", int64_t{modelCode}},
                {"mac", c.session.GetConnection().State().connectedMacText},
                {"chip_family", TextOr(ChipFamilyText(id.ChipFamily()), id.ChipFamily())},
                {"chip_model", TextOr(ChipModelText(id.ChipFamily(), id.ChipModel()), id.ChipModel())},
                {"panel", TextOr(PanelTypeText(id.PanelType()), id.PanelType())},
                {"eeprom", id.EepromPresent() != 0},
                {"microcontroller", id.McuPresent() != 0},
                {"giga_phy1", GigaPhyMeaning(id.GigaPhy1Status())},
                {"giga_phy2", GigaPhyMeaning(id.GigaPhy2Status())},
                {"fe_ports", int64_t{layout.FeCount()}},
                {"giga_ports", int64_t{layout.GCount()}},
                {"port_slots", int64_t{layout.PortSlots()}},
                {"ports", PortMap(layout)}});
  return kExitOk;
}

int RecoverPassword(CommandContext& c) {
  const auto code = c.args.Value("code");
  if (!code) {
    c.err << "usage: velkorctl recover-password --code CODE\n";
    return kExitUsage;
  }
  return c.session.RecoverPassword(c.args, *code);
}

}  // namespace

const std::vector<Command>& LoginCommands() {
  static const std::vector<Command> commands{
      {"info", "info", 0, 0, Info},
      {"recover-password", "recover-password --code CODE [--yes]", 0, 0, RecoverPassword},
  };
  return commands;
}

}  // namespace velkor::cli
