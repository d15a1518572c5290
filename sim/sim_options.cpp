#include "sim/sim_options.h"

#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>
#include <string_view>

#include "sim/models.h"

namespace velkor::sim {

namespace {
constexpr Mac kFirstDefaultMac{0x02, 0x10, 0x00, 0x00, 0x00, 0x01};

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// Decimal, or hexadecimal with 0x.
std::optional<uint64_t> Number(const std::string& text) {
  if (text.empty() || text[0] == '-') return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const uint64_t v = std::strtoull(text.c_str(), &end, text.rfind("0x", 0) == 0 ? 16 : 10);
  if (errno || *end) return std::nullopt;
  return v;
}

std::optional<double> Fraction(const std::string& text) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end || v < 0 || v > 1) return std::nullopt;
  return v;
}

Mac Offset(Mac mac, uint64_t by) {
  for (int i = 5; i >= 0 && by; --i) {
    const uint64_t sum = mac[i] + by;
    mac[i] = static_cast<uint8_t>(sum);
    by = sum >> 8;
  }
  return mac;
}

// "key=value" pairs after the first comma-separated field.
bool Pairs(const std::vector<std::string>& fields, std::map<std::string, std::string>& out,
           std::string& error) {
  for (size_t i = 1; i < fields.size(); ++i) {
    const size_t eq = fields[i].find('=');
    if (eq == std::string::npos) {
      error = "expected key=value, got \"" + fields[i] + "\"";
      return false;
    }
    out[fields[i].substr(0, eq)] = fields[i].substr(eq + 1);
  }
  return true;
}

// A switch as given, before --count copies and the defaults that depend on its position.
struct SwitchArg {
  SwitchSetup setup;
  bool macGiven = false;
  std::optional<uint64_t> latencyUs;
};

class Parser {
 public:
  Parser(SimOptions& options, std::string& error) : options_(options), error_(error) {}

  bool Run(const std::vector<std::string>& args);

 private:
  bool Fail(const std::string& text) {
    error_ = text;
    return false;
  }
  bool NumberArg(const std::string& option, const std::string& text, uint64_t& out) {
    const auto v = Number(text);
    if (!v) return Fail(option + ": not a number: \"" + text + "\"");
    out = *v;
    return true;
  }
  bool ParseSwitch(const std::string& arg);
  bool ParseCount(const std::string& text);
  bool ParseFault(const std::string& arg);
  bool ReplyFaultKeys(const std::map<std::string, std::string>& keys, ReplyFault& f);
  void Finish();

  SimOptions& options_;
  std::string& error_;
  std::vector<SwitchArg> switches_;
  SwitchTiming timing_;
};

bool Parser::Run(const std::vector<std::string>& args) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--help" || a == "-h") {
      options_.help = true;
      return true;
    }
    if (a == "--links-up") {
      options_.linksUp = true;
      continue;
    }
    if (i + 1 == args.size())
      return Fail(a + (a.rfind("--", 0) == 0 ? ": needs a value" : ": unknown option"));
    const std::string& v = args[++i];
    uint64_t n = 0;
    bool ok = true;
    if (a == "--iface") {
      options_.iface = v;
    } else if (a == "--switch") {
      ok = ParseSwitch(v);
    } else if (a == "--count") {
      ok = ParseCount(v);
    } else if (a == "--fault") {
      ok = ParseFault(v);
    } else if (a == "--seed") {
      ok = NumberArg(a, v, options_.seed);
    } else if (a == "--traffic") {
      ok = NumberArg(a, v, options_.trafficPerSecond);
    } else if (a == "--latency-us") {
      ok = NumberArg(a, v, timing_.latencyUs);
    } else if (a == "--busy-polls") {
      ok = NumberArg(a, v, n);
      timing_.eepromBusyPolls = timing_.phyBusyPolls = static_cast<unsigned>(n);
    } else if (a == "--mcu-delay-ms") {
      ok = NumberArg(a, v, n);
      timing_.mcuDelayUs = n * 1000;
    } else if (a == "--reset-ms") {
      ok = NumberArg(a, v, n);
      timing_.softResetUs = n * 1000;
    } else {
      return Fail(a + ": unknown option");
    }
    if (!ok) return false;
  }
  if (options_.iface.empty()) return Fail("--iface is required");
  Finish();
  return true;
}

bool Parser::ParseSwitch(const std::string& arg) {
  const std::vector<std::string> fields = Split(arg, ',');
  const ModelProfile* model = FindModel(fields[0]);
  if (!model) return Fail("--switch: unknown model \"" + fields[0] + "\"");
  std::map<std::string, std::string> keys;
  if (!Pairs(fields, keys, error_)) return false;
  SwitchArg s;
  s.setup.modelCode = model->code;
  for (const auto& [key, value] : keys) {
    uint64_t n = 0;
    if (key == "mac") {
      const auto mac = ParseMac(value);
      if (!mac) return Fail("--switch: bad MAC \"" + value + "\"");
      s.setup.mac = *mac;
      s.macGiven = true;
    } else if (key == "parent") {
      const std::vector<std::string> p = Split(value, ':');
      uint64_t index = 0, port = 0;
      if (p.size() != 2 || !NumberArg("--switch parent", p[0], index) ||
          !NumberArg("--switch parent", p[1], port))
        return error_.empty() ? Fail("--switch: parent is INDEX:PORT") : false;
      s.setup.parent = Upstream{index, static_cast<uint8_t>(port)};
    } else if (key == "port") {
      if (!NumberArg("--switch port", value, n)) return false;
      s.setup.localPort = static_cast<uint8_t>(n);
    } else if (key == "chip") {
      if (!NumberArg("--switch chip", value, n)) return false;
      s.setup.chipId = static_cast<uint16_t>(n);
    } else if (key == "latency") {
      if (!NumberArg("--switch latency", value, n)) return false;
      s.latencyUs = n;
    } else if (key == "eeprom") {
      if (value != "yes" && value != "no") return Fail("--switch: eeprom=yes or eeprom=no");
      s.setup.eepromPresent = value == "yes";
    } else {
      return Fail("--switch: unknown key \"" + key + "\"");
    }
  }
  switches_.push_back(s);
  return true;
}

bool Parser::ParseCount(const std::string& text) {
  uint64_t n = 0;
  if (!NumberArg("--count", text, n)) return false;
  if (switches_.empty()) return Fail("--count: follows a --switch");
  if (n == 0 || n > 64) return Fail("--count: 1 to 64");
  const SwitchArg first = switches_.back();
  for (uint64_t k = 1; k < n; ++k) {
    SwitchArg copy = first;
    if (copy.macGiven) copy.setup.mac = Offset(first.setup.mac, k);
    if (copy.setup.parent) copy.setup.parent->port = static_cast<uint8_t>(first.setup.parent->port + k);
    switches_.push_back(copy);
  }
  return true;
}

bool Parser::ReplyFaultKeys(const std::map<std::string, std::string>& keys, ReplyFault& f) {
  for (const auto& [key, value] : keys) {
    uint64_t n = 0;
    if (key == "chance") {
      const auto c = Fraction(value);
      if (!c) return Fail("--fault: chance is a number from 0 to 1");
      f.chance = *c;
    } else if (key == "only") {
      if (value != "hello" && value != "get") return Fail("--fault: only=hello or only=get");
      f.target = value == "hello" ? FaultTarget::kHello : FaultTarget::kGet;
    } else if (!NumberArg("--fault " + key, value, n)) {
      return false;
    } else if (key == "every") {
      f.everyNth = n;
    } else if (key == "from") {
      f.from = n;
    } else if (key == "count") {
      f.count = n;
    } else if (key == "us") {
      f.delayUs = n;
    } else if (key == "vid") {
      f.vid = static_cast<uint16_t>(n);
    } else if (key == "offset") {
      f.addressOffset = static_cast<int>(n);
    } else if (key == "reg") {
      f.reg = static_cast<uint16_t>(n);
    } else if (key == "switches") {
      f.floodCount = n;
    } else {
      return Fail("--fault: unknown key \"" + key + "\"");
    }
  }
  return true;
}

bool Parser::ParseFault(const std::string& arg) {
  const size_t colon = arg.find(':');
  uint64_t index = 0;
  if (colon == std::string::npos) return Fail("--fault: INDEX:KIND[,key=value...]");
  if (!NumberArg("--fault", arg.substr(0, colon), index)) return false;
  const std::vector<std::string> fields = Split(arg.substr(colon + 1), ',');
  std::map<std::string, std::string> keys;
  if (!Pairs(fields, keys, error_)) return false;
  static const std::map<std::string, FaultKind> replyKinds = {{"lose", FaultKind::kLose},
                                                              {"delay", FaultKind::kDelay},
                                                              {"duplicate", FaultKind::kDuplicate},
                                                              {"tag", FaultKind::kTag},
                                                              {"wrong-address", FaultKind::kWrongAddress},
                                                              {"spoof", FaultKind::kSpoof},
                                                              {"stale", FaultKind::kStale},
                                                              {"hello-flood", FaultKind::kHelloFlood}};
  static const std::map<std::string, ChipFault::Kind> chipKinds = {
      {"eeprom-busy", ChipFault::Kind::kEepromBusy},
      {"phy-busy", ChipFault::Kind::kPhyBusy},
      {"mcu-stuck", ChipFault::Kind::kMcuStuck},
      {"eeprom-stuck", ChipFault::Kind::kEepromStuckByte},
      {"silent", ChipFault::Kind::kSilent}};
  FaultOption option;
  option.index = index;
  if (auto r = replyKinds.find(fields[0]); r != replyKinds.end()) {
    ReplyFault f;
    f.kind = r->second;
    if (!ReplyFaultKeys(keys, f)) return false;
    option.fault = f;
  } else if (auto c = chipKinds.find(fields[0]); c != chipKinds.end()) {
    ChipFault f;
    f.kind = c->second;
    for (const auto& [key, value] : keys) {
      uint64_t n = 0;
      if (!NumberArg("--fault " + key, value, n)) return false;
      if (key == "addr") {
        f.address = static_cast<uint16_t>(n);
      } else if (key == "after-ms") {
        f.afterUs = n * 1000;
      } else if (key == "for-ms") {
        f.forUs = n * 1000;
      } else if (key == "every-ms") {
        f.everyUs = n * 1000;
      } else {
        return Fail("--fault: unknown key \"" + key + "\"");
      }
    }
    option.fault = f;
  } else {
    return Fail("--fault: unknown kind \"" + fields[0] + "\"");
  }
  options_.faults.push_back(option);
  return true;
}

void Parser::Finish() {
  if (switches_.empty()) switches_.push_back(SwitchArg{SwitchSetup{.modelCode = 1}});
  for (size_t i = 0; i < switches_.size(); ++i) {
    SwitchArg& s = switches_[i];
    const uint64_t latency = s.latencyUs.value_or(timing_.latencyUs);
    s.setup.timing = timing_;
    s.setup.timing.latencyUs = latency;
    if (!s.macGiven) s.setup.mac = Offset(kFirstDefaultMac, i);
    s.setup.seed = options_.seed + i;
    options_.switches.push_back(s.setup);
  }
}
}  // namespace

bool ParseSimOptions(const std::vector<std::string>& args, SimOptions& options, std::string& error) {
  options = SimOptions{};
  error.clear();
  return Parser(options, error).Run(args);
}

const char* SimUsage() {
  return R"(Usage: velkor-switchsim --iface NAME [options]

Emulates managed switches on a network interface: answers hello and get frames
(EtherType 0x8899) and applies set frames. State lives in memory only.
SIGUSR1 power-cycles every switch; SIGINT or SIGTERM ends the program.

Switches (in order; the first has index 0):
  --switch MODEL[,key=value...]   add a switch; MODEL is a name (QX-F16A, QX-F8A,
                                  QX-F24A, QX-G17A, QX-G26A, QX-F8B) or a code 1-7
      mac=AA:BB:CC:DD:EE:FF       its MAC (default 02:10:00:00:00:01 + index)
      parent=INDEX:PORT           cascaded behind port PORT of switch INDEX
      port=N                      its own port facing the host (default: first port)
      chip=0xNNNN                 register 0x0208 (default: the model's chip)
      latency=US                  reply latency in microseconds
      eeprom=no                   register 0x0100 reports no EEPROM
  --count N                       the last --switch N times, consecutive MACs
                                  (and consecutive parent ports)
  Without --switch: one QX-F16A.

Behaviour:
  --latency-us US     reply latency of every switch (default 100)
  --busy-polls N      polls the EEPROM and PHY busy bits stay set (default 2 and 1)
  --mcu-delay-ms MS   until the microcontroller finishes a command (default 500)
  --reset-ms MS       a soft reset keeps the chip silent this long (default 200)
  --links-up          every port reports a 100M full-duplex link (gigabit: 1000M)
  --traffic FPS       frames per second each way on every port that is up
  --seed N            switch i draws its faults' chances from seed N + i (default 1)

Faults (INDEX is the switch's index):
  --fault INDEX:KIND[,key=value...]
    reply faults: lose, delay (us=N), duplicate, tag (vid=N), wrong-address (offset=N),
      spoof (another MAC answers a get first, with a wrong value),
      stale (a copy of the register's previous reply comes first, or us=N after),
      hello-flood (switches=N made-up switches answer before and N after; default 1000)
      which replies: every=N | from=N,count=N | chance=P (0-1); only=hello|get;
      reg=0xNNNN (gets of that register only) (none of them: every reply)
    switch faults: silent[,after-ms=N][,for-ms=N][,every-ms=N], eeprom-busy, phy-busy,
      mcu-stuck, eeprom-stuck,addr=N

  --help              this text
)";
}

}  // namespace velkor::sim
