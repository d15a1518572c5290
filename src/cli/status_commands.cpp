#include <chrono>
#include <ctime>

#include "cli/exit_codes.h"
#include "cli/feature_commands.h"
#include "cli/port_list.h"
#include "pages/ports/port_settings_fields.h"
#include "pages/ports/port_status.h"

namespace velkor::cli {

namespace {

std::string OnOff(const std::optional<bool>& value, const char* on, const char* off) {
  return value ? (*value ? on : off) : "?";
}

// One port as the page decodes it, in words a script can match.
Record StatusRecord(const PortStatusRow& row) {
  const std::string speed = SpeedText(row);
  // Pause is decided exactly where speed is: a port that is on with its link up.
  const bool decided = speed != kUnknownText && speed != kNoneText;
  const std::string pause = decided ? ((*row.link & kLinkPauseBit) ? "on" : "off") : speed;
  // The list captions Fast Ethernet ports "01", "02"; the front panel says 1, 2.
  const bool padded = row.caption.size() > 1 && row.caption.front() == '0';
  return {{"port", padded ? row.caption.substr(1) : row.caption},
          {"state", OnOff(row.off, "off", "on")},
          {"link", row.link ? (row.LinkUp() ? "up" : "down") : "?"},
          {"speed", speed},
          {"pause", pause},
          {"trunk_error", row.hasTrunk ? OnOff(row.trunkError, "yes", "no") : "--"}};
}

// The UTC time, to the second, elapsed after start on the session's clock.
std::string Stamp(std::chrono::system_clock::time_point start, uint64_t elapsedUs) {
  const std::time_t t = std::chrono::system_clock::to_time_t(start + std::chrono::microseconds(elapsedUs));
  std::tm utc{};
  gmtime_r(&t, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

std::vector<Record> Records(const PortStatus& status, const std::vector<size_t>& rows) {
  std::vector<Record> records;
  for (size_t row : rows) records.push_back(StatusRecord(status.Rows().at(row)));
  return records;
}

// Reprints a port only when what it shows changed, time-stamped: a link going down is the event.
int Watch(CommandContext& c, PortStatus& status, const std::vector<size_t>& rows, uint32_t seconds,
          std::optional<uint32_t> count) {
  Clock& clock = c.session.Transport().engine.GetClock();
  const auto start = std::chrono::system_clock::now();
  const uint64_t startUs = clock.NowUs();
  std::vector<Record> shown = Records(status, rows);
  for (uint32_t round = 0; !count || round < *count; ++round) {
    clock.SleepMs(uint64_t{seconds} * 1000);
    if (status.FillPortStatus() == Outcome::kSwitchLost) return kExitSwitchLost;
    std::vector<Record> now = Records(status, rows);
    std::vector<Record> changes;
    for (size_t i = 0; i < now.size(); ++i) {
      if (now[i] == shown[i]) continue;
      Record change = now[i];
      change.push_back({"time", Stamp(start, clock.NowUs() - startUs)});
      changes.push_back(std::move(change));
    }
    if (!changes.empty()) {
      c.out.Array(changes);
      c.out.Flush();
    }
    shown = std::move(now);
  }
  return kExitOk;
}

int Status(CommandContext& c) {
  uint32_t seconds = 0;
  std::optional<uint32_t> count;
  if (const auto watch = c.args.Value("watch"); watch && !ParseWatch(*watch, seconds, count))
    return FeatureUsage(c, "[PORTS] [--watch SECONDS[xCOUNT]]");
  if (const int e = c.session.Connect(c.args)) return e;
  const auto rows = PortRows(c, c.args.operands.empty() ? "all" : c.args.operands[0]);
  if (!rows) return kExitUsage;
  PortStatus status(c.session.Transport(), c.session.GetConnection(), c.session.Identifier());
  const Outcome filled = status.FillPortStatus();
  if (filled == Outcome::kSwitchLost) return ExitCodeOf(filled);
  if (seconds) return Watch(c, status, *rows, seconds, count);
  c.out.Array(Records(status, *rows));
  return filled == Outcome::kDone ? kExitOk : SwitchLost(c, "the port status registers");
}

}  // namespace

// The hidden page "端口状态": link, speed, duplex, pause and trunk errors of every port.
const std::vector<Command>& StatusCommands() {
  static const std::vector<Command> commands{
      {"status", "status [PORTS] [--watch SECONDS[xCOUNT]]", 0, 1, Status},
  };
  return commands;
}

}  // namespace velkor::cli
