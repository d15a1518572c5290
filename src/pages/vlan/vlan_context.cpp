#include "pages/vlan/vlan_context.h"

#include "device/message_table.h"
#include "pages/switch/unanswered_report.h"

namespace velkor {

Outcome VlanContext::Unanswered(Outcome whileAnswering) {
  return ReportUnanswered(connection, prompter, whileAnswering);
}

Outcome VlanContext::WriteFailed() {
  prompter.Error(Message(MessageId::kVlanWriteFailed));
  connection.Disconnect(true);
  return Outcome::kSwitchLost;
}

}  // namespace velkor
