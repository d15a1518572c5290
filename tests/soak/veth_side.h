#pragma once

#include <iostream>
#include <string>

#include "sim/live_runner.h"
#include "sim/sim_options.h"
#include "soak/soak_runner.h"
#include "transport/clock.h"

namespace velkor::soak {

// The emulator on one end of a veth pair (this process runs in its namespace) and the velkorctl
// program run in the other end's namespace; the emulator serves only while a command runs, so
// its switch is inspected at rest.
class VethSide final : public HostileSide {
 public:
  static constexpr int kHangSeconds = 60;

  struct Places {
    std::string ctl;     // the velkorctl program
    std::string hostNs;  // the namespace of the host end
    std::string hostIf;
    std::string simIf;
  };

  explicit VethSide(Places places) : places_(std::move(places)) {}
  bool Build(const sim::SimOptions& options, std::string& error);
  sim::EmulatedSwitch& Switch() override { return segment_.Switch(0); }
  const sim::SwitchSetup& Setup() const override { return setup_; }
  std::optional<int> Run(const std::vector<std::string>& args, double& seconds) override;
  std::string LastError() const override { return lastError_; }

 private:
  Places places_;
  SystemClock clock_;
  sim::Segment segment_{clock_};
  sim::LiveRunner runner_{segment_, clock_, std::cerr};
  sim::SwitchSetup setup_;
  std::string lastError_;
};

}  // namespace velkor::soak
