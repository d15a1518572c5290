#include <iostream>

#include "cli/run_ctl.h"
#include "transport/pcap_backend.h"

int main(int argc, char** argv) {
  velkor::PcapBackend backend;
  velkor::SystemClock clock;
  velkor::cli::SystemTerminal terminal;
  return velkor::cli::RunCtl({argv + 1, argv + argc}, backend, clock, terminal, std::cout, std::cerr);
}
