#pragma once

#include <string>

namespace velkor {

// The progress dialog's spinner: a message and a turning character, closed after a tick limit.
class Spinner {
 public:
  static constexpr int kTickMs = 2000;

  void Start(std::string message, int limit);
  // One timer tick (or click): returns false once the limit is reached and the dialog closes.
  bool Tick();
  std::string Label() const { return message_ + kFrames[frame_]; }
  int Count() const { return count_; }

 private:
  static constexpr const char* kFrames[4] = {"-", "\\", "|", "/"};
  std::string message_;
  int limit_ = 0;
  int count_ = 0;
  int frame_ = 0;
};

}  // namespace velkor
