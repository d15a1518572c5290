// Reading configurations as settings: config show and config diff. Neither writes anything.

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/maintenance_page.h"
#include "device/message_table.h"
#include "pages/config/config_settings.h"
#include "pages/switch/file_io.h"
#include "pages/switch/save_reset_image.h"

namespace velkor::cli {

namespace {

// The file's contents; none, with the reason on standard error, when it is unreadable or no
// configuration file (for modelName, when one is given).
std::optional<NamedConfigFile> ReadConfigFile(CommandContext& c, const std::string& path,
                                              std::optional<std::string_view> modelName) {
  const auto file = ReadFileHead(path, kConfigFileReadLimit);
  if (!file) {
    c.err << "velkorctl: cannot read " << path << "\n";
    return std::nullopt;
  }
  std::optional<NamedConfigFile> decoded;
  if (!modelName)
    decoded = DecodeAnyConfigFile(*file);
  else if (const auto image = DecodeConfigFile(*file, *modelName))
    decoded = NamedConfigFile{*modelName, *image};
  if (!decoded) c.err << "velkorctl: " << path << ": " << Message(MessageId::kConfigFileWrong) << "\n";
  return decoded;
}

// The connected switch, whose chip decides what the registers of its configuration mean.
ConfigOwner SwitchOwner(CommandContext& c) {
  return {c.session.GetConnection().State().modelCode, c.session.Identifier().Layout()};
}

Field::second_type FieldValue(std::optional<SettingValue> value) {
  if (!value) return std::string("absent");
  return std::visit([](auto& v) { return Field::second_type(std::move(v)); }, *value);
}

// The switch's stored configuration, or with --live its registers in place of the stored block.
std::optional<ConfigFileImage> SwitchImage(CommandContext& c, CtlMaintenance& maintenance) {
  auto image = maintenance.Transfer().ReadImage(nullptr);
  if (!image) return std::nullopt;
  if (!c.args.Flag("live")) return image;
  ConfigImage block;
  std::copy_n(image->begin() + kConfigBlockStart, kConfigBlockSize, block.begin());
  if (!ReadLiveRegisters(c.session.Transport(), block, nullptr)) return std::nullopt;
  std::copy(block.begin(), block.end(), image->begin() + kConfigBlockStart);
  return image;
}

// Without FILE, the switch's stored configuration (with --live, its registers).
int Show(CommandContext& c) {
  std::vector<NamedSetting> settings;
  Record record;
  if (c.args.operands.size() > 1) {
    const auto file = ReadConfigFile(c, c.args.operands[1], std::nullopt);
    if (!file) return kExitUsage;
    record.push_back({"model", std::string(file->modelName)});
    settings = ConfigSettings(file->image, FileOwner(*file));
  } else {
    if (const int e = c.session.Connect(c.args)) return e;
    CtlMaintenance maintenance(c.session);
    const auto image = SwitchImage(c, maintenance);
    if (!image) return SwitchLost(c, "the configuration");
    record.push_back({"model", std::string(maintenance.Transfer().ModelName())});
    settings = ConfigSettings(*image, SwitchOwner(c));
  }
  record.reserve(record.size() + settings.size());
  for (NamedSetting& s : settings) record.push_back({std::move(s.name), FieldValue(std::move(s.value))});
  c.out.Object(record);
  return kExitOk;
}

// Exits 0 when nothing differs, 1 when something does. Both sides are read as the connected
// switch's chip would read them, the file being made for its model name.
int Diff(CommandContext& c) {
  if (c.args.operands.size() < 2) return kExitUsage;
  if (const int e = c.session.Connect(c.args)) return e;
  CtlMaintenance maintenance(c.session);
  const auto file = ReadConfigFile(c, c.args.operands[1], maintenance.Transfer().ModelName());
  if (!file) return kExitUsage;
  const auto stored = SwitchImage(c, maintenance);
  if (!stored) return SwitchLost(c, "the configuration");
  const ConfigOwner owner = SwitchOwner(c);
  std::vector<Record> rows;
  for (const auto& d : DiffSettings(ConfigSettings(file->image, owner), ConfigSettings(*stored, owner)))
    rows.push_back({{"setting", d.name}, {"file", FieldValue(d.a)}, {"switch", FieldValue(d.b)}});
  c.out.Array(rows);
  return rows.empty() ? kExitOk : kExitFailure;
}

int Config(CommandContext& c) {
  const std::string& what = c.args.operands[0];
  if (what == "show") return Show(c);
  if (what == "diff") return Diff(c);
  c.err << "velkorctl: config show [FILE] [--live] or config diff FILE [--live]\n";
  return kExitUsage;
}

}  // namespace

const std::vector<Command>& ConfigViewCommands() {
  static const std::vector<Command> commands{
      {"config", "config show [FILE] [--live] | config diff FILE [--live]", 1, 2, Config},
  };
  return commands;
}

}  // namespace velkor::cli
