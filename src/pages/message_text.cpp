#include "pages/message_text.h"

namespace velkor {

QString MessageText(MessageId id) {
  const std::string_view text = Message(id);
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace velkor
