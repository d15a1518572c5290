#include "cli/terminal.h"

#include <langinfo.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <iostream>

#include "cli/message_english.h"
#include "device/gbk_text.h"

namespace velkor::cli {
namespace {

// Turns echo off for its lifetime, and back on however the read ends.
class EchoOff {
 public:
  EchoOff() : saved_(tcgetattr(STDIN_FILENO, &old_) == 0) {
    if (!saved_) return;
    termios quiet = old_;
    quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
  }
  ~EchoOff() {
    if (saved_) tcsetattr(STDIN_FILENO, TCSAFLUSH, &old_);
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
  termios old_{};
  bool saved_;
};

}  // namespace

std::optional<std::string> Terminal::Environment(const std::string& name) const {
  const char* value = std::getenv(name.c_str());
  return value ? std::optional<std::string>(value) : std::nullopt;
}

SystemTerminal::SystemTerminal() {
  std::setlocale(LC_CTYPE, "");
  charset_ = nl_langinfo(CODESET);
}

bool SystemTerminal::Interactive() const { return isatty(STDIN_FILENO) && isatty(STDERR_FILENO); }

std::optional<std::string> SystemTerminal::ReadLine(const std::string& prompt, bool secret) {
  std::cerr << Local(prompt) << std::flush;
  std::string line;
  bool read;
  if (secret) {
    const EchoOff quiet;
    read = static_cast<bool>(std::getline(std::cin, line));
    std::cerr << "\n";
  } else {
    read = static_cast<bool>(std::getline(std::cin, line));
  }
  if (!read) return std::nullopt;
  return line;
}

std::string InCharset(std::string_view utf8, const std::string& charset) {
  if (charset == "UTF-8") return std::string(utf8);
  const std::string local = Utf8ToCharset(utf8, charset);
  const auto marks = [](std::string_view s) { return std::count(s.begin(), s.end(), '?'); };
  if (marks(local) == marks(utf8)) return local;
  return Utf8ToCharset(WithEnglishMessages(utf8), charset);
}

std::string SystemTerminal::Local(std::string_view utf8) const { return InCharset(utf8, charset_); }

// Under the plain C locale the bytes are taken as UTF-8, as most terminals send them anyway.
std::string SystemTerminal::FromLocal(std::string_view local) const {
  if (charset_ == "UTF-8" || charset_ == "ANSI_X3.4-1968") return std::string(local);
  return TextToUtf8({reinterpret_cast<const uint8_t*>(local.data()), local.size()}, charset_.c_str());
}

}  // namespace velkor::cli
