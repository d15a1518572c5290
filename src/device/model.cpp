#include "device/model.h"

#include "device/message_table.h"

namespace velkor {

std::string_view ModelName(int code) {
  switch (code) {
    case kModelF16A:
      return "QX-F16A";
    case kModelF8A:
      return "QX-F8A";
    case kModelF24A:
      return "QX-F24A";
    case kModelG17A:
      return "QX-G17A";
    case kModelG26A:
      return "QX-G26A";
    case kModelF8B:
      return "QX-F8B";
    default:
      return Message(MessageId::kUnknown);
  }
}

}  // namespace velkor
