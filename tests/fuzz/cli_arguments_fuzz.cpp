// The command line's parsers: the option parser, numbers, --watch, port lists on the layouts of
// the switches, port-setting values and VLAN ids. Arguments are the input split at zero bytes.
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "cli/arguments.h"
#include "cli/port_list.h"
#include "cli/port_page.h"
#include "device/port_layout.h"
#include "fuzz_frames.h"
#include "pages/vlan/vlan_id.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace velkor;
  static const std::vector<PortLayout> layouts{MakePortLayout(2, 8, 0, {22, 23}),
                                               MakePortLayout(2, 16, 0, {22, 23}),
                                               MakePortLayout(1, 24, 2, {24, 25})};
  std::vector<std::string> args(1);
  for (size_t i = 0; i < size; ++i) {
    if (data[i] == 0)
      args.emplace_back();
    else
      args.back() += static_cast<char>(data[i]);
  }
  std::string error;
  if (const auto parsed = cli::ParseArguments(args, error)) {
    for (const auto& [name, value] : parsed->values) {
      uint32_t seconds = 0;
      std::optional<uint32_t> count;
      if (cli::ParseWatch(value, seconds, count)) fuzz::Require(seconds <= cli::kMaxWatchSeconds);
    }
  } else {
    fuzz::Require(!error.empty());
  }
  // Each argument is also a number, a VLAN id, a port list on one of the layouts and a value for one
  // of the columns port-set takes (--state, --rx, --tx, --speed, --flow), layouts and columns in
  // turn from argument to argument: the parsers read one text at a time, so every argument need not
  // meet every one of them.
  constexpr PortColumn kColumns[] = {PortColumn::kSwitch, PortColumn::kRx, PortColumn::kTx,
                                     PortColumn::kSpeed, PortColumn::kFlow};
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (const auto n = cli::ParseNumber(a, 0xFFFF)) fuzz::Require(*n <= 0xFFFF);
    if (const auto vid = ParseVlanId(a)) fuzz::Require(*vid >= 1 && *vid <= 4094);
    const PortLayout& layout = layouts[i % layouts.size()];
    if (const auto rows = cli::ParsePortList(a, layout, error)) {
      for (size_t r = 0; r < rows->size(); ++r)
        fuzz::Require((*rows)[r] < layout.RowCount() && (r == 0 || (*rows)[r - 1] < (*rows)[r]));
    }
    (void)cli::ParseSettingValue(kColumns[i % std::size(kColumns)], a);
  }
  return 0;
}
