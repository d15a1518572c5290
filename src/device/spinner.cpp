#include "device/spinner.h"

namespace velkor {

void Spinner::Start(std::string message, int limit) {
  message_ = std::move(message);
  limit_ = limit;
  count_ = 0;
  frame_ = 0;
}

bool Spinner::Tick() {
  ++count_;
  frame_ = (frame_ + 1) % 4;
  return count_ < limit_;
}

}  // namespace velkor
