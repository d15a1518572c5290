#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace velkor::soak {

// Files an action reads or writes. Each side of the comparison writes its own kOwnFile; the others
// name what the hostile side last exported or dumped, which both sides then read.
inline constexpr const char* kOwnFile = "@FILE";
inline constexpr const char* kLastExportArg = "@EXPORTED";
inline constexpr const char* kLastDumpArg = "@DUMPED";
// "@PASSWORD:text": a file that holds text, for password --new-password-file.
inline constexpr const char* kPasswordFilePrefix = "@PASSWORD:";

// One velkorctl command line, without the options every run adds (password, interface).
struct Action {
  std::vector<std::string> args;
  std::string Name() const { return args.empty() ? "" : args.front(); }
  // What the action writes to its own file, and what the file stands for afterwards.
  bool Exports() const { return Name() == "export"; }
  bool Dumps() const { return Name() == "eeprom-dump"; }
};

// Every velkorctl action on a QX-F16A, drawn from a seeded generator so a run can be repeated.
class ActionSource {
 public:
  explicit ActionSource(uint64_t seed) : rng_(seed) {}
  Action Next();

 private:
  const std::string& Pick(const std::vector<std::string>& choices);
  int Number(int low, int high);
  // A front-panel port that does not carry the management frames, or a list of such ports.
  std::string Port();
  std::string Ports();
  std::string Hex(int low, int high);

  std::mt19937_64 rng_;
};

}  // namespace velkor::soak
