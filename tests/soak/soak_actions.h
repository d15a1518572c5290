#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace velkor::soak {

// Where an action's file goes: each side of the comparison writes its own.
inline constexpr const char* kFileArg = "@FILE";
inline constexpr const char* kLastExportArg = "@EXPORTED";

// One velkorctl command line, without the options every run adds (password, interface).
struct Action {
  std::vector<std::string> args;
  std::string Name() const { return args.empty() ? "" : args.front(); }
  bool Exports() const { return Name() == "export"; }
};

// Every velkorctl action on a QX-F16A, drawn from a seeded generator so a run can be repeated.
class ActionSource {
 public:
  explicit ActionSource(uint64_t seed) : rng_(seed) {}
  Action Next();

 private:
  const std::string& Pick(const std::vector<std::string>& choices);
  std::string Port();

  std::mt19937_64 rng_;
};

}  // namespace velkor::soak
