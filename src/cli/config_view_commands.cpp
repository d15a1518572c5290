// Reading configurations as settings: config show and config diff. Neither writes anything.

#include "cli/command.h"
#include "cli/exit_codes.h"
#include "cli/maintenance_page.h"
#include "device/config_settings.h"
#include "device/message_table.h"
#include "pages/switch/file_io.h"
#include "pages/switch/save_reset_image.h"

namespace velkor::cli {

namespace {

// The file's image; none, with the reason on standard error, when it is unreadable or no
// configuration file (for modelName, when one is given).
std::optional<ConfigFileImage> FileImage(CommandContext& c, const std::string& path,
                                         std::optional<std::string_view> modelName) {
  const auto file = ReadFileHead(path, kConfigFileReadLimit);
  if (!file) {
    c.err << "velkorctl: cannot read " << path << "\n";
    return std::nullopt;
  }
  auto image = modelName ? DecodeConfigFile(*file, *modelName) : DecodeAnyConfigFile(*file);
  if (!image) c.err << "velkorctl: " << path << ": " << Message(MessageId::kConfigFileWrong) << "\n";
  return image;
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

int Show(CommandContext& c) {
  std::optional<ConfigFileImage> image;
  if (c.args.operands.size() > 1) {
    if (!(image = FileImage(c, c.args.operands[1], std::nullopt))) return kExitUsage;
  } else {
    if (const int e = c.session.Connect(c.args)) return e;
    CtlMaintenance maintenance(c.session);
    if (!(image = SwitchImage(c, maintenance))) return SwitchLost(c, "the configuration");
  }
  std::vector<Record> rows;
  for (const auto& [name, value] : ConfigSettings(*image))
    rows.push_back({{"setting", name}, {"value", value}});
  c.out.Array(rows);
  return kExitOk;
}

// Exits 0 when nothing differs, 1 when something does.
int Diff(CommandContext& c) {
  if (c.args.operands.size() < 2) return kExitUsage;
  if (const int e = c.session.Connect(c.args)) return e;
  CtlMaintenance maintenance(c.session);
  const auto file = FileImage(c, c.args.operands[1], maintenance.Transfer().ModelName());
  if (!file) return kExitUsage;
  const auto stored = SwitchImage(c, maintenance);
  if (!stored) return SwitchLost(c, "the configuration");
  std::vector<Record> rows;
  for (const auto& d : DiffSettings(*file, *stored))
    rows.push_back({{"setting", d.name}, {"file", d.a}, {"switch", d.b}});
  c.out.Array(rows);
  return rows.empty() ? kExitOk : kExitFailure;
}

int Config(CommandContext& c) {
  const std::string& what = c.args.operands[0];
  if (what == "show") return Show(c);
  if (what == "diff") return Diff(c);
  c.err << "velkorctl: config show [FILE] or config diff FILE [--live]\n";
  return kExitUsage;
}

}  // namespace

const std::vector<Command>& ConfigViewCommands() {
  static const std::vector<Command> commands{
      {"config", "config show [FILE] | config diff FILE [--live]", 1, 2, Config},
  };
  return commands;
}

}  // namespace velkor::cli
