#pragma once

#include <QString>

#include "device/message_table.h"

namespace velkor {

// Entry id of the message table, for a widget's caption or label.
QString MessageText(MessageId id);

}  // namespace velkor
