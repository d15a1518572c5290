#include "soak/soak_runner.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <sstream>

#include "cli/run_ctl.h"
#include "soak/switch_state.h"
#include "support/scripted_terminal.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"
#include "transport/eeprom_blocks.h"

namespace velkor::soak {

namespace {
// Where a scenario keeps its files: each side's own output, the hostile side's last export and
// dump that both sides then read, and a new password to give.
struct Files {
  std::string hostile, clean, exported, dumped, password;
};

Files FilesIn(const std::string& dir) {
  return {dir + "/hostile.out", dir + "/clean.out", dir + "/exported.cfg", dir + "/dumped.bin",
          dir + "/new-password"};
}

// The password the switch asks for now: its EEPROM's, up to the first zero byte.
std::string StoredPassword(sim::EmulatedSwitch& sw) {
  std::string text;
  for (uint16_t a = kPasswordAddress; a < kPasswordAddress + kPasswordSize; ++a) {
    const uint8_t byte = sw.Eeprom().Byte(a);
    if (byte == 0) break;
    text += static_cast<char>(byte);
  }
  return text;
}

std::vector<std::string> ForSide(const Action& action, const std::string& ownFile, const Files& files,
                                 const std::string& password) {
  std::vector<std::string> args;
  for (const std::string& a : action.args) {
    if (a == kOwnFile)
      args.push_back(ownFile);
    else if (a == kLastExportArg)
      args.push_back(files.exported);
    else if (a == kLastDumpArg)
      args.push_back(files.dumped);
    else if (a.rfind(kPasswordFilePrefix, 0) == 0)
      args.push_back(files.password);
    else
      args.push_back(a);
  }
  args.insert(args.end(), {"--password", password});
  return args;
}

void WritePasswordFile(const Action& action, const Files& files) {
  const std::string prefix = kPasswordFilePrefix;
  for (const std::string& a : action.args)
    if (a.rfind(prefix, 0) == 0) std::ofstream(files.password) << a.substr(prefix.size()) << "\n";
}

std::string FileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The same command on a fault-free copy of the switch as it stood before: what the action means.
struct CleanRun {
  int exitCode = 0;
  SwitchState after;
};

CleanRun RunClean(const sim::SwitchSetup& setup, const SwitchState& before,
                  const std::vector<std::string>& args) {
  VirtualClock clock;
  sim::Segment segment(clock);
  segment.AddSwitch(setup);
  before.CopyInto(segment.Switch(0));
  MemoryWire wire(clock);
  wire.AddDevice({"soak0", "", 0x0A000001u}, Mac{0x02, 0, 0, 0, 0, 0x01}, &segment);
  testing::ScriptedTerminal terminal;
  terminal.interactive = false;
  std::ostringstream out, err;
  const int code = cli::RunCtl(args, wire, clock, terminal, out, err);
  return {code, SwitchState::Of(segment.Switch(0))};
}

std::string Joined(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& a : args) text += (text.empty() ? "" : " ") + a;
  return text;
}

void Report(std::ostream* log, const std::string& what, int n, const Action& action, int code, int cleanCode,
            const std::vector<CellChange>& cells, const std::string& said = {}) {
  if (!log) return;
  *log << what << " #" << n << " " << Joined(action.args) << ": exit " << code << " (clean " << cleanCode
       << ")";
  if (!said.empty()) *log << ": " << said;
  for (size_t i = 0; i < cells.size() && i < 4; ++i)
    *log << std::hex << "; " << cells[i].cell << " " << cells[i].before << "->" << cells[i].after
         << " (meant " << cells[i].meant << ")" << std::dec;
  *log << "\n";
}
}  // namespace

Tally RunScenario(const Scenario& scenario, HostileSide& hostile, const SoakSettings& settings) {
  Tally tally;
  tally.scenario = scenario.name;
  ActionSource source(settings.seed);
  const Files files = FilesIn(settings.workDir);
  for (const std::string& path : {files.hostile, files.clean, files.exported, files.dumped})
    std::filesystem::remove(path);
  for (int n = 1; n <= settings.actions; ++n) {
    const Action action = source.Next();
    const bool writesFile = action.Exports() || action.Dumps();
    std::filesystem::remove(files.hostile);
    std::filesystem::remove(files.clean);
    WritePasswordFile(action, files);
    const SwitchState before = SwitchState::Of(hostile.Switch());
    const std::string password = StoredPassword(hostile.Switch());
    double seconds = 0;
    const std::optional<int> code = hostile.Run(ForSide(action, files.hostile, files, password), seconds);
    const SwitchState after = SwitchState::Of(hostile.Switch());
    const CleanRun clean = RunClean(hostile.Setup(), before, ForSide(action, files.clean, files, password));

    ++tally.actions;
    if (seconds > tally.slowestSeconds) {
      tally.slowestSeconds = seconds;
      tally.slowestAction = Joined(action.args);
    }
    if (!code) {
      ++tally.hangs;
      Report(settings.log, "hang", n, action, -1, clean.exitCode, {});
    } else {
      ++tally.exitCodes[*code];
    }
    const auto stray = StrayChanges(before, after, clean.after);
    if (!stray.empty()) {
      ++tally.strayWrites;
      Report(settings.log, "stray write", n, action, code.value_or(-1), clean.exitCode, stray);
    }
    const auto differences = Differences(before, after, clean.after);
    const bool sameFile = !writesFile || FileBytes(files.hostile) == FileBytes(files.clean);
    if (code == 0 && (clean.exitCode != 0 || !differences.empty() || !sameFile)) {
      ++tally.falseSuccesses;
      Report(settings.log, "false success", n, action, 0, clean.exitCode, differences);
    }
    if (code == clean.exitCode && differences.empty() && sameFile)
      ++tally.completed;
    else if (code && *code != 0)
      Report(settings.log, "incomplete", n, action, *code, clean.exitCode, {}, hostile.LastError());
    // What the hostile side wrote is what later imports and burns read, on both sides.
    std::error_code noFile;
    if (code == 0 && writesFile)
      std::filesystem::copy_file(files.hostile, action.Exports() ? files.exported : files.dumped,
                                 std::filesystem::copy_options::overwrite_existing, noFile);
  }
  return tally;
}

void PrintTable(const std::vector<Tally>& tallies, std::ostream& out) {
  out << "| scenario | actions | completed | exit codes | stray writes | false successes | hangs | slowest "
         "|\n"
      << "|---|---|---|---|---|---|---|---|\n";
  for (const Tally& t : tallies) {
    std::ostringstream codes;
    for (const auto& [code, count] : t.exitCodes) codes << (codes.tellp() ? " " : "") << code << ":" << count;
    out << "| " << t.scenario << " | " << t.actions << " | " << t.completed << " (" << std::fixed
        << std::setprecision(1) << (t.actions ? 100.0 * t.completed / t.actions : 0) << " %) | "
        << codes.str() << " | " << t.strayWrites << " | " << t.falseSuccesses << " | " << t.hangs << " | "
        << std::setprecision(2) << t.slowestSeconds << " s (" << t.slowestAction << ") |\n";
  }
}

}  // namespace velkor::soak
