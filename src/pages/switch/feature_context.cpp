#include "pages/switch/feature_context.h"

#include "pages/switch/unanswered_report.h"
#include "transport/confirmed_read.h"

namespace velkor {

std::optional<uint32_t> FeatureContext::Read(uint16_t reg) {
  for (int attempt = 0; attempt < 2; ++attempt)
    // What is read here is written back with one field changed: a stale copy must not pass for it.
    if (const RegisterRead read = ReadConfirmed(Engine(), reg); read.answered) return read.Low16();
  return std::nullopt;
}

std::optional<int> FeatureContext::ManagementPort() const {
  const Discovery& discovery = transport.discovery;
  const std::string connected = FormatMac(discovery.SelectedMac());
  for (size_t i = 0; i < discovery.HelloRecordCount(); ++i)
    if (discovery.Hello(i)->switchMacText == connected) return discovery.Hello(i)->localPort;
  return std::nullopt;
}

Outcome FeatureContext::Unanswered() { return ReportUnanswered(connection, prompter, Outcome::kNoAnswer); }

}  // namespace velkor
