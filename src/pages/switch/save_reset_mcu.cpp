#include "pages/switch/save_reset_mcu.h"

#include <string>

namespace velkor {

bool RunMcuCommand(const MaintenanceContext& c, uint16_t command, MessageId waitText, int ticks) {
  // A mailbox that did not answer is refused like a busy one: nothing has been asked of it yet.
  if (c.transport.access.Comm2MCU(command) != MailboxResult::kAccepted) {
    c.prompter.Refuse(Message(MessageId::kSwitchBusy));
    return false;
  }
  c.progress.StartSpinner(std::string(Message(waitText)), ticks);
  // A bit that could not be read back is no proof that the microcontroller finished.
  const auto pending = c.transport.access.CheckCommRegBit(command);
  if (!pending || *pending) {
    c.connection.FatalSwitchError();
    return false;
  }
  return true;
}

}  // namespace velkor
