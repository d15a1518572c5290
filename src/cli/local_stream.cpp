#include "cli/local_stream.h"

namespace velkor::cli {

int LocalStream::overflow(int c) {
  if (c == std::streambuf::traits_type::eof()) return std::streambuf::traits_type::not_eof(c);
  line_ += static_cast<char>(c);
  if (c == '\n') Emit();
  return c;
}

std::streamsize LocalStream::xsputn(const char* s, std::streamsize n) {
  for (std::streamsize i = 0; i < n; ++i) overflow(static_cast<unsigned char>(s[i]));
  return n;
}

int LocalStream::sync() {
  Emit();
  target_.flush();
  return 0;
}

// Whole lines are converted, so a character is never split between two conversions.
void LocalStream::Emit() {
  if (line_.empty()) return;
  target_ << terminal_.Local(line_);
  written_ += line_;
  line_.clear();
}

}  // namespace velkor::cli
