#include "cli/exit_codes.h"
#include "cli/feature_commands.h"
#include "pages/switch/global_settings.h"

namespace velkor::cli {

namespace {

// By GlobalControl: the option that sets it and the name it shows under.
constexpr const char* kOptions[kGlobalControlCount] = {"broadcast-control", "multicast-control",
                                                       "storm-filter", "loop-detect", "igmp-snooping"};

int Global(CommandContext& c) {
  std::array<std::optional<bool>, kGlobalControlCount> wanted;
  for (size_t i = 0; i < kGlobalControlCount; ++i) {
    const auto text = c.args.Value(kOptions[i]);
    if (text && !(wanted[i] = OnOff(*text)))
      return FeatureUsage(c,
                          "[--broadcast-control on|off] [--multicast-control on|off] [--storm-filter on|off] "
                          "[--loop-detect on|off] [--igmp-snooping on|off]");
  }
  FeatureContext context = FeaturesOf(c.session);
  GlobalSettings settings(context);
  if (const int e = c.session.Connect(c.args)) return e;
  for (size_t i = 0; i < kGlobalControlCount; ++i)
    if (wanted[i])
      if (const Outcome o = settings.Set(static_cast<GlobalControl>(i), *wanted[i]); o != Outcome::kDone)
        return ExitCodeOf(o);
  const Outcome filled = settings.Fill();
  Record record;
  for (size_t i = 0; i < kGlobalControlCount; ++i) {
    const auto& on = settings.State()[i];
    record.push_back({kOptions[i], on ? (*on ? "on" : "off") : "?"});
  }
  c.out.Object(record);
  return filled == Outcome::kNoAnswer ? SwitchLost(c, "a global settings register") : ExitCodeOf(filled);
}

}  // namespace

// The page "全局设置": switch-wide flow controls, storm filter, loop detection, IGMP snooping.
const std::vector<Command>& GlobalCommands() {
  static const std::vector<Command> commands{
      {"global",
       "global [--broadcast-control on|off] [--multicast-control on|off] [--storm-filter on|off]\n"
       "        [--loop-detect on|off] [--igmp-snooping on|off]",
       0, 0, Global},
  };
  return commands;
}

}  // namespace velkor::cli
