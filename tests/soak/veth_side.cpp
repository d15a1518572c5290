#include "soak/veth_side.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <thread>

#include "sim/segment_builder.h"

namespace velkor::soak {

namespace {
// Runs argv in the background with its output discarded and its error output in errors; the
// child's id, or -1.
pid_t Start(const std::vector<std::string>& argv, const std::string& errors) {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  std::vector<char*> raw;
  for (const std::string& a : argv) raw.push_back(const_cast<char*>(a.c_str()));
  raw.push_back(nullptr);
  if (freopen("/dev/null", "w", stdout) && freopen(errors.c_str(), "w", stderr)) execvp(raw[0], raw.data());
  _exit(127);
}

std::string FirstLine(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}
}  // namespace

bool VethSide::Build(const sim::SimOptions& options, std::string& error) {
  if (!sim::BuildSegment(options, segment_, clock_, error)) return false;
  setup_ = options.switches.at(0);
  if (!runner_.Open(places_.simIf)) {
    error = "cannot serve on " + places_.simIf;
    return false;
  }
  return true;
}

std::optional<int> VethSide::Run(const std::vector<std::string>& args, double& seconds) {
  volatile std::sig_atomic_t stop = 0, powerCycle = 0;
  std::thread serving([&] { runner_.Run(stop, powerCycle); });
  std::vector<std::string> argv{"ip", "netns", "exec", places_.hostNs, places_.ctl};
  argv.insert(argv.end(), args.begin(), args.end());
  argv.insert(argv.end(), {"--iface", places_.hostIf});
  const auto start = std::chrono::steady_clock::now();
  const std::string errors =
      (std::filesystem::temp_directory_path() / ("velkor-soak-errors-" + std::to_string(getpid()))).string();
  const pid_t child = Start(argv, errors);
  std::optional<int> code;
  int status = 0;
  for (;;) {
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (child < 0) break;
    if (waitpid(child, &status, WNOHANG) == child) {
      code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
      break;
    }
    if (seconds > kHangSeconds) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  stop = 1;
  serving.join();
  lastError_ = FirstLine(errors);
  std::filesystem::remove(errors);
  return code;
}

}  // namespace velkor::soak
