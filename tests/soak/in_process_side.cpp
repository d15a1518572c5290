#include "soak/in_process_side.h"

#include "cli/run_ctl.h"
#include "sim/segment_builder.h"

namespace velkor::soak {

bool InProcessSide::Build(const sim::SimOptions& options, std::string& error) {
  if (!sim::BuildSegment(options, segment_, clock_, error)) return false;
  setup_ = options.switches.at(0);
  wire_.AddDevice({"soak0", "", 0x0A000001u}, Mac{0x02, 0, 0, 0, 0, 0x01}, &segment_);
  terminal_.interactive = false;
  return true;
}

std::optional<int> InProcessSide::Run(const std::vector<std::string>& args, double& seconds) {
  const uint64_t start = clock_.NowUs();
  out_.str("");
  err_.str("");
  const int code = cli::RunCtl(args, wire_, clock_, terminal_, out_, err_);
  seconds = static_cast<double>(clock_.NowUs() - start) / 1e6;
  if (seconds > kHangSeconds) return std::nullopt;
  return code;
}

}  // namespace velkor::soak
