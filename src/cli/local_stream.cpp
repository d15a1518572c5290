#include "cli/local_stream.h"

namespace velkor::cli {

int LocalStream::overflow(int c) {
  if (c == std::streambuf::traits_type::eof()) return std::streambuf::traits_type::not_eof(c);
  line_ += static_cast<char>(c);
  if (c == '\n') Emit();
  return c;
}

// A line at a time rather than a character at a time: commands print hundreds of lines.
std::streamsize LocalStream::xsputn(const char* s, std::streamsize n) {
  std::string_view rest(s, static_cast<size_t>(n));
  while (!rest.empty()) {
    const size_t end = rest.find('\n');
    const size_t take = end == std::string_view::npos ? rest.size() : end + 1;
    line_.append(rest.substr(0, take));
    if (end != std::string_view::npos) Emit();
    rest.remove_prefix(take);
  }
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
