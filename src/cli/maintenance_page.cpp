#include "cli/maintenance_page.h"

namespace velkor::cli {

CtlMaintenance::CtlMaintenance(CtlSession& session)
    : description_(session.GetConnection(), session.Transport().blocks, session.Prompts(), session.Busy(),
                   *this),
      page_({session.Transport(), session.Identifier(), session.GetConnection(), session.Prompts(),
             session.Progress(), session.Busy()},
            *this, description_, *this),
      transfer_({session.Transport(), session.Identifier(), session.GetConnection(), session.Prompts(),
                 session.Progress(), session.Busy()},
                description_, *this) {}

}  // namespace velkor::cli
