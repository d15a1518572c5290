#include "cli/maintenance_page.h"

namespace velkor::cli {

CtlMaintenance::CtlMaintenance(CtlSession& session)
    : wait_(session.Transport().access, session.Progress()),
      description_(session.GetConnection(), session.Transport().blocks, session.Prompts(), session.Busy(),
                   *this),
      page_({session.Transport(), session.Identifier(), session.GetConnection(), session.Prompts(), wait_,
             session.Busy()},
            *this, description_, *this),
      transfer_({session.Transport(), session.Identifier(), session.GetConnection(), session.Prompts(), wait_,
                 session.Busy()},
                description_, *this) {}

}  // namespace velkor::cli
