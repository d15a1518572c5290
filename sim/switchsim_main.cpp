// velkor-switchsim: emulated switches on a real network interface.

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "sim/live_runner.h"
#include "sim/models.h"
#include "sim/segment_builder.h"
#include "sim/sim_options.h"

namespace {
volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t powerCycleRequested = 0;

void OnStop(int) { stopRequested = 1; }
void OnPowerCycle(int) { powerCycleRequested = 1; }

void Install(int signal, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
}

void Describe(velkor::sim::Segment& segment, const velkor::sim::SimOptions& options, std::ostream& out) {
  for (size_t i = 0; i < segment.Count(); ++i) {
    velkor::sim::EmulatedSwitch& sw = segment.Switch(i);
    const velkor::sim::ModelProfile* model = velkor::sim::FindModel(sw.ModelCode());
    out << i << ": " << (model && !model->name.empty() ? model->name : "model") << " (code "
        << int{sw.ModelCode()} << ") " << velkor::FormatMac(sw.MacAddress()) << " port "
        << int{sw.LocalPort()};
    if (const auto& parent = options.switches[i].parent)
      out << " behind switch " << parent->index << " port " << int{parent->port};
    out << "\n";
  }
}
}  // namespace

int main(int argc, char** argv) {
  using namespace velkor::sim;
  SimOptions options;
  std::string error;
  if (!ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
    std::cerr << "velkor-switchsim: " << error << "\n" << SimUsage();
    return 2;
  }
  if (options.help) {
    std::cout << SimUsage();
    return 0;
  }
  velkor::SystemClock clock;
  Segment segment(clock);
  if (!BuildSegment(options, segment, clock, error)) {
    std::cerr << "velkor-switchsim: " << error << "\n";
    return 2;
  }
  LiveRunner runner(segment, clock, std::cerr);
  if (!runner.Open(options.iface)) return 1;
  Install(SIGINT, OnStop);
  Install(SIGTERM, OnStop);
  Install(SIGUSR1, OnPowerCycle);
  Describe(segment, options, std::cerr);
  std::cerr << "serving on " << options.iface << "\n";
  return runner.Run(stopRequested, powerCycleRequested);
}
