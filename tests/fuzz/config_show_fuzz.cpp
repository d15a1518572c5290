// velkorctl config show FILE, the whole command on any file, as text or as JSON: it shows the
// settings or refuses the file (exit 2), and reads nothing past what the file holds.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "cli/run_ctl.h"
#include "cli/terminal.h"
#include "fuzz_frames.h"
#include "testing/memory_wire.h"
#include "testing/virtual_clock.h"

namespace {
// Nobody at it: showing a file asks nothing.
class NoTerminal final : public velkor::cli::Terminal {
 public:
  bool Interactive() const override { return false; }
  std::optional<std::string> ReadLine(const std::string&, bool) override { return std::nullopt; }
  std::string Local(std::string_view utf8) const override { return std::string(utf8); }
  std::string FromLocal(std::string_view local) const override { return std::string(local); }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velkor;
  // One file for the whole run, rewritten in place: opening and creating it costs more than the
  // command's own read of it.
  static const std::string path = "/dev/shm/velkor-config-show-fuzz-" + std::to_string(getpid());
  static const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC, 0600);
  static const bool removedAtExit = std::atexit([] { unlink(path.c_str()); }) == 0;
  (void)removedAtExit;
  // An empty input may come as a null pointer. Cut to size after writing: a file cut to nothing
  // first gives back its pages, to be taken again at once.
  fuzz::Require(fd >= 0 && (size == 0 || pwrite(fd, data, size, 0) == static_cast<ssize_t>(size)));
  fuzz::Require(ftruncate(fd, static_cast<off_t>(size)) == 0);
  VirtualClock clock;
  MemoryWire wire(clock);  // no adapter: showing a file needs none
  NoTerminal terminal;
  // Text or JSON by turns (JSON for odd sizes): both show every setting of the file, so one form
  // per input reaches both on every kind of file.
  std::vector<std::string> args{"config", "show", path};
  if (size % 2) args.push_back("--json");
  std::ostringstream out, err;
  const int code = cli::RunCtl(args, wire, clock, terminal, out, err);
  fuzz::Require(code == 0 || code == 2);
  return 0;
}
