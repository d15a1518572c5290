#include "pages/switch/unanswered_report.h"

#include "device/message_table.h"

namespace velkor {

Outcome ReportUnanswered(Connection& connection, Prompter& prompter, Outcome whileAnswering) {
  if (!connection.CheckConnection()) return Outcome::kSwitchLost;
  prompter.Error(Message(MessageId::kSwitchInfoReadError));
  return whileAnswering;
}

}  // namespace velkor
