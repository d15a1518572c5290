#include "pages/switch/save_reset_mcu.h"

#include <string>

#include "pages/switch/unanswered_report.h"

namespace velkor {

Outcome RunMcuCommand(const MaintenanceContext& c, uint16_t command, MessageId waitText, int ticks) {
  switch (c.transport.access.Comm2MCU(command)) {
    case MailboxResult::kAccepted:
      break;
    case MailboxResult::kBusy:
      c.prompter.Refuse(Message(MessageId::kSwitchBusy));
      return Outcome::kRefused;
    case MailboxResult::kFailed:
      return ReportUnanswered(c.connection, c.prompter, Outcome::kNoAnswer);
  }
  // The microcontroller clears the bit when it is done; a poll that got no reply proves nothing.
  c.progress.StartSpinner(std::string(Message(waitText)), ticks, [&] {
    const auto pending = c.transport.access.CheckCommRegBit(command);
    return pending && !*pending;
  });
  // A bit that could not be read back is no proof that the microcontroller finished.
  const auto pending = c.transport.access.CheckCommRegBit(command);
  if (!pending || *pending) {
    c.connection.FatalSwitchError();
    return Outcome::kFatal;
  }
  return Outcome::kDone;
}

}  // namespace velkor
