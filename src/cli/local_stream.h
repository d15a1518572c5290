#pragma once

#include <ostream>
#include <streambuf>
#include <string>

#include "cli/terminal.h"

namespace velkor::cli {

// An output stream whose lines reach the target in the terminal's character set; it keeps what
// was written, in UTF-8, so an error can also be reported as JSON.
class LocalStream : private std::streambuf, public std::ostream {
 public:
  LocalStream(std::ostream& target, const Terminal& terminal)
      : std::ostream(static_cast<std::streambuf*>(this)), target_(target), terminal_(terminal) {}
  ~LocalStream() override { Emit(); }
  LocalStream(const LocalStream&) = delete;
  LocalStream& operator=(const LocalStream&) = delete;

  const std::string& Written() const { return written_; }

 private:
  int overflow(int c) override;
  std::streamsize xsputn(const char* s, std::streamsize n) override;
  int sync() override;
  void Emit();

  std::ostream& target_;
  const Terminal& terminal_;
  std::string line_;
  std::string written_;
};

}  // namespace velkor::cli
