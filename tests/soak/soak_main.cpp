// velkor-soak: every velkorctl action, seeded, on a bad or hostile segment, each compared with
// the same action on a clean copy of the switch. Prints the per-scenario table; exits 1 when an
// action wrote what it was not asked to, claimed a success it did not have, or hung.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "soak/in_process_side.h"
#include "soak/veth_side.h"

namespace {

using namespace velkor::soak;

constexpr const char* kUsage =
    "usage: velkor-soak [--actions N] [--seed S] [--scenario NAME]... [--log FILE] [--work DIR]\n"
    "                   [--veth CTL HOST_NS HOST_IF SIM_IF]\n"
    "Without --veth, the emulator and velkorctl run in this process on virtual time.\n";

struct Options {
  SoakSettings settings;
  std::vector<std::string> scenarios;
  std::optional<VethSide::Places> veth;
};

bool Parse(int argc, char** argv, Options& o) {
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const auto value = [&](int ahead = 1) { return i + ahead < argc; };
    if (a == "--actions" && value()) {
      o.settings.actions = std::atoi(argv[++i]);
    } else if (a == "--seed" && value()) {
      o.settings.seed = std::strtoull(argv[++i], nullptr, 10);
    } else if (a == "--scenario" && value()) {
      o.scenarios.push_back(argv[++i]);
    } else if (a == "--work" && value()) {
      o.settings.workDir = argv[++i];
    } else if (a == "--veth" && value(4)) {
      o.veth = VethSide::Places{argv[i + 1], argv[i + 2], argv[i + 3], argv[i + 4]};
      i += 4;
    } else if (a != "--log") {
      return false;
    } else if (!value()) {
      return false;
    } else {
      ++i;
    }
  }
  if (o.scenarios.empty())
    for (const Scenario& s : Scenarios()) o.scenarios.push_back(s.name);
  return o.settings.actions > 0;
}

std::string LogPath(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--log") return argv[i + 1];
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  Options o;
  if (!Parse(argc, argv, o)) {
    std::cerr << kUsage;
    return 2;
  }
  // A directory of its own: two soaks on one machine must not read each other's files.
  std::string privateDir = std::filesystem::temp_directory_path() / "velkor-soak-XXXXXX";
  if (o.settings.workDir.empty() && mkdtemp(privateDir.data())) o.settings.workDir = privateDir;
  if (o.settings.workDir.empty()) {
    std::cerr << "velkor-soak: no work directory\n";
    return 2;
  }
  std::ofstream logFile;
  if (const std::string path = LogPath(argc, argv); !path.empty()) {
    logFile.open(path);
    o.settings.log = &logFile;
  } else {
    o.settings.log = &std::cerr;
  }
  std::vector<Tally> tallies;
  for (const std::string& name : o.scenarios) {
    const Scenario* scenario = FindScenario(name);
    if (!scenario) {
      std::cerr << "no scenario \"" << name << "\"\n";
      return 2;
    }
    std::vector<std::string> args{"--iface", "soak",   "--switch",
                                  "QX-F16A", "--seed", std::to_string(o.settings.seed)};
    args.insert(args.end(), scenario->simOptions.begin(), scenario->simOptions.end());
    velkor::sim::SimOptions simOptions;
    std::string error;
    std::unique_ptr<HostileSide> side;
    if (velkor::sim::ParseSimOptions(args, simOptions, error)) {
      if (o.veth) {
        auto veth = std::make_unique<VethSide>(*o.veth);
        if (veth->Build(simOptions, error)) side = std::move(veth);
      } else {
        auto local = std::make_unique<InProcessSide>();
        if (local->Build(simOptions, error)) side = std::move(local);
      }
    }
    if (!side) {
      std::cerr << name << ": " << error << "\n";
      return 2;
    }
    tallies.push_back(RunScenario(*scenario, *side, o.settings));
    std::cerr << "done: " << name << "\n";
  }
  PrintTable(tallies, std::cout);
  for (const Tally& t : tallies)
    if (t.strayWrites || t.falseSuccesses || t.hangs) return 1;
  return 0;
}
